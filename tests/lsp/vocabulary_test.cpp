// The server's vocabulary: keyword look-up, groups from the keyword tree, option matching and
// BASIC words.
#include "lsp/vocabulary.h"

#include <vxcheck/check.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace vxcheck::lsp {
namespace {

const Vocabulary& Shared() {
    static Cvx_Check checker;
    static const Vocabulary vocabulary(checker);
    return vocabulary;
}

TEST(Vocabulary, SpellingsOfBothVocabulariesOpenTheirBlocks) {
    const Vocabulary& vocabulary = Shared();
    const BlockInfo* block = vocabulary.FindBlock("Pure_Phases");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->name, "equilibrium_phases");
    EXPECT_EQ(block->group, "Geochemical Model");
    EXPECT_EQ(block->spellings.size(), 6u);
    EXPECT_EQ(vocabulary.FindBlock("mix_solution")->name, "solution_mix");
    EXPECT_EQ(vocabulary.FindBlock("reactive_transport")->options,
              (std::vector<std::string>{"neumann", "update"}));
    EXPECT_EQ(vocabulary.Keywords().size(), 115u); // 112 of PHREEQC 3 and 3 more of the checker
    EXPECT_EQ(vocabulary.FindBlock("LLNL_aqueous_model_parameters")->group, "Miscellaneous");
    EXPECT_EQ(vocabulary.FindBlock("transport")->group, "");
    EXPECT_EQ(vocabulary.FindBlock("solution 1"), nullptr);
    EXPECT_EQ(vocabulary.FindBlock("sol"), nullptr);
    EXPECT_TRUE(std::is_sorted(
        vocabulary.Keywords().begin(), vocabulary.Keywords().end(),
        [](const KeywordEntry& a, const KeywordEntry& b) { return a.spelling < b.spelling; }));
}

TEST(Vocabulary, BasicWordsBeginWithALetter) {
    const std::vector<std::string>& words = Shared().BasicWords();
    EXPECT_TRUE(std::binary_search(words.begin(), words.end(), "tot"));
    EXPECT_TRUE(std::binary_search(words.begin(), words.end(), "kinetics_formula$"));
    EXPECT_TRUE(std::all_of(words.begin(), words.end(),
                            [](const std::string& word) { return std::isalpha(word[0]) != 0; }));
}

} // namespace
} // namespace vxcheck::lsp
