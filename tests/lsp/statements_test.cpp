// PHREEQC's logical lines: ";" and "#", joining backslashes, words and option words.
#include "lsp/statements.h"

#include <gtest/gtest.h>

namespace vxcheck::lsp {
namespace {

std::vector<std::string> Texts(std::string_view line, bool continued, bool* continues = nullptr) {
    std::vector<Statement> statements;
    bool next = SplitStatements(line, 0, continued, statements);
    if (continues != nullptr) {
        *continues = next;
    }
    std::vector<std::string> texts;
    for (const Statement& statement : statements) {
        texts.emplace_back(line.substr(statement.begin, statement.end - statement.begin));
    }
    return texts;
}

TEST(Statements, SemicolonsCommentsAndJoinedLines) {
    EXPECT_EQ(Texts("KNOBS; -tol 1e-16;-diag true # c; d", false),
              (std::vector<std::string>{"KNOBS", " -tol 1e-16", "-diag true "}));
    bool continues = false;
    EXPECT_EQ(Texts("SOLUTION 1 \\  ", false, &continues),
              (std::vector<std::string>{"SOLUTION 1 "}));
    EXPECT_TRUE(continues);
    EXPECT_EQ(Texts("a \\ ; b; c", false), (std::vector<std::string>{"a \\ ; b", " c"}));
    EXPECT_EQ(Texts("x \\ # not joined", false, &continues), (std::vector<std::string>{"x \\ "}));
    EXPECT_FALSE(continues);
}

TEST(Statements, WordsAndOptionWords) {
    std::string_view text = "  SOLUTION\t1   Pure  water ";
    std::vector<Word> words = SplitWords(text, 0, text.size());
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[1].begin, 11u);
    EXPECT_EQ(CollapseBlanks(text, words[0].end, text.size()), "1 Pure water");
    EXPECT_EQ(FirstWord(text, 0, 2).begin, 2u);
    EXPECT_TRUE(IsOptionWord("-t"));
    EXPECT_FALSE(IsOptionWord("-1.5"));
    EXPECT_FALSE(IsOptionWord("-"));
    EXPECT_EQ(SplitLines("a\r\nb\rc\n").size(), 4u);
}

} // namespace
} // namespace vxcheck::lsp
