// Highlighting: every coloured piece of a small input, and the shape of the spans on examples.
#include <vxcheck/input/highlight.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using vxcheck::HighlightKind;
using vxcheck::HighlightSpan;

std::vector<HighlightSpan> Highlight(const std::string& text) {
    const vxcheck::InputModel model = vxcheck::ReadInput(text);
    const vxcheck::SymbolIndex index = vxcheck::IndexSymbols(model);
    return vxcheck::HighlightInput(text, model, index);
}

TEST(HighlightInput, ColoursEveryKindOfPiece) {
    const std::string text = "SOLUTION 1 Pure water # note\n"
                             "  -units mmol/kgw\n"
                             "  Ca 1.5\n"
                             "PHASES\n"
                             "Fix_H+\n"
                             "  H+ = H+\n"
                             "USER_PUNCH\n"
                             "  10 PUNCH SI(\"Calcite\") + x * 2 REM done\n";
    const std::vector<std::pair<std::string, HighlightKind>> expected = {
        {"SOLUTION", HighlightKind::Keyword},
        {"1", HighlightKind::EntityNumber},
        {"Pure", HighlightKind::Description},
        {"water", HighlightKind::Description},
        {"# note", HighlightKind::Comment},
        {"-units", HighlightKind::Option},
        {"mmol/kgw", HighlightKind::Units},
        {"Ca", HighlightKind::Element},
        {"1.5", HighlightKind::Number},
        {"PHASES", HighlightKind::Keyword},
        {"Fix_H+", HighlightKind::Phase},
        {"H+", HighlightKind::Species}, // the phase's formula before "=" names nothing
        {"USER_PUNCH", HighlightKind::Keyword},
        {"10", HighlightKind::BasicLineNumber},
        {"PUNCH", HighlightKind::BasicKeyword},
        {"SI", HighlightKind::BasicFunction},
        {"\"Calcite\"", HighlightKind::BasicString},
        {"+", HighlightKind::BasicOperator},
        {"x", HighlightKind::BasicVariable},
        {"*", HighlightKind::BasicOperator},
        {"2", HighlightKind::BasicNumber},
        {"REM done", HighlightKind::Comment},
    };
    const std::vector<HighlightSpan> spans = Highlight(text);
    ASSERT_EQ(spans.size(), expected.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        EXPECT_EQ(text.substr(spans[i].begin, spans[i].end - spans[i].begin), expected[i].first)
            << i;
        EXPECT_EQ(spans[i].kind, expected[i].second) << i;
    }
    EXPECT_TRUE(spans[1].definition);  // SOLUTION 1
    EXPECT_TRUE(spans[10].definition); // the phase of PHASES
    EXPECT_FALSE(spans[7].definition); // Ca of SOLUTION
}

TEST(HighlightInput, SpansOfExamplesAreOrderedAndStayOnTheirLine) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VXCHECK_DATA_DIR) + "/examples")) {
        if (entry.path().extension() != ".pqi") {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const std::string text = bytes.str();
        const std::vector<HighlightSpan> spans = Highlight(text);
        ASSERT_FALSE(spans.empty()) << entry.path();
        for (std::size_t i = 0; i < spans.size(); ++i) {
            ASSERT_LT(spans[i].begin, spans[i].end) << entry.path();
            ASSERT_EQ(text.substr(spans[i].begin, spans[i].end - spans[i].begin).find('\n'),
                      std::string::npos);
            if (i > 0) {
                ASSERT_LE(spans[i - 1].end, spans[i].begin) << entry.path() << " " << i;
            }
        }
    }
}

TEST(HighlightInput, ColoursFieldsOfStatementsOutsideTheIndex) {
    const std::string text = "SOLUTION 1\n"
                             "  -units ppm\n"
                             "EQUILIBRIUM_PHASES 1\n"
                             "  Calcite 0 1\n";
    const vxcheck::InputModel model = vxcheck::ReadInput(text);
    // An index of the SOLUTION block only: the other block's words keep their fields' colours,
    // and Calcite, with no occurrence, none.
    const vxcheck::SymbolIndex index = vxcheck::IndexSymbols(model, 0, 2);
    const std::vector<HighlightKind> expected = {
        HighlightKind::Keyword, HighlightKind::EntityNumber, HighlightKind::Option,
        HighlightKind::Units,   HighlightKind::Keyword,      HighlightKind::Number,
        HighlightKind::Number,  HighlightKind::Number};
    std::vector<HighlightKind> kinds;
    for (const HighlightSpan& span : vxcheck::HighlightInput(text, model, index)) {
        kinds.push_back(span.kind);
    }
    EXPECT_EQ(kinds, expected);
}

} // namespace
