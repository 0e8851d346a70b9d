// The word under a point and its role, on each kind of statement: keyword lines, option lines,
// data lines, BASIC text and its strings, comments and blanks.
#include <vxcheck/input/word_at.h>

#include <gtest/gtest.h>

#include <string>

namespace vxcheck {
namespace {

struct Found {
    WordRole role;
    std::string word;
};

// The word at the "|" of marked, the "|" taken out.
Found At(std::string marked) {
    const std::size_t offset = marked.find('|');
    marked.erase(offset, 1);
    const InputModel model = ReadInput(marked);
    const WordAtPoint at = WordAt(model, marked, offset);
    return {at.role, marked.substr(at.begin, at.end - at.begin)};
}

struct Case {
    const char* text;
    WordRole role;
    const char* word;
};

TEST(WordAt, TellsEachWordsRoleAndBounds) {
    const Case cases[] = {
        {"Equilibrium_Pha|ses 1", WordRole::Keyword, "Equilibrium_Phases"},
        {"|SOLUTION 1", WordRole::Keyword, "SOLUTION"},
        {"SOLUTION 1|-3 river", WordRole::EntityNumber, "1-3"},
        {"SOLUTION 1 riv|er water", WordRole::None, ""},
        {"SOLUTION 1\n  -temp|er 25", WordRole::Option, "-temper"},
        {"SOLUTION 1\n  pH| 7.2", WordRole::Option, "pH"},
        {"SOLUTION 1\n  -nonsense|", WordRole::None, ""},
        {"SOLUTION 1\n  pH 7.0 char|ge", WordRole::Charge, "charge"},
        {"SOLUTION 1\n  Na 1 CHA|RGE", WordRole::Charge, "CHARGE"},
        {"SOLUTION 1\n  F|e 0.1", WordRole::Name, "Fe"},
        {"SELECTED_OUTPUT\n  -totals Char|ge", WordRole::Name, "Charge"},
        {"EQUILIBRIUM_PHASES 1\n  Calcite 0 1; Gyp|sum", WordRole::Name, "Gypsum"},
        {"USER_PUNCH\n  10 PUNCH S|I(\"Calcite\")", WordRole::Basic, "SI"},
        {"USER_PUNCH\n  10 PUNCH |SI(\"Calcite\")", WordRole::Basic, "SI"},
        {"USER_PUNCH\n  10 PUNCH SI|(\"Calcite\")", WordRole::Basic, "SI"},
        {"USER_PUNCH\n  10 PUNCH SI(\"Cal|cite\")", WordRole::Name, "Calcite"},
        {"USER_PUNCH\n  10 PUNCH SI(\"Calcite|\")", WordRole::Name, "Calcite"},
        {"USER_PRINT\n  10 PRINT \"a b|\"", WordRole::Name, "a b"},
        {"USER_PRINT\n  10 REM the end of| it", WordRole::None, ""},
        {"USER_PRINT\n  10 PRINT 'fo|r Ca'", WordRole::Name, "for Ca"},
        {"RATES\nCalcite\n-start\n10 fo|r i = 1 to 3\n-end", WordRole::Basic, "for"},
        {"RATES\nCalc|ite\n-start\n-end", WordRole::Name, "Calcite"},
        {"RATES\nCalcite\n-sta|rt\n-end", WordRole::Option, "-start"},
        {"EQUILIBRIUM_PHASES 1 # Calc|ite", WordRole::None, ""},
        {"SOLUTION 1\n  Ca 1 |  ", WordRole::None, ""},
        {"|", WordRole::None, ""},
    };
    for (const Case& test : cases) {
        const Found found = At(test.text);
        EXPECT_EQ(found.role, test.role) << test.text;
        EXPECT_EQ(found.word, test.word) << test.text;
    }
}

TEST(WordAt, KeepsTheWordOfAContinuedLineOnItsLine) {
    const std::string text = "EQUILIBRIUM_PHASES 1\n  Calcite 0 \\\n  1\n  Gypsum 0 1";
    const InputModel model = ReadInput(text);
    const WordAtPoint one = WordAt(model, text, text.find("  1\n") + 2);
    EXPECT_EQ(one.role, WordRole::Name);
    EXPECT_EQ(text.substr(one.begin, one.end - one.begin), "1");
    EXPECT_EQ(one.position.word, 2u);
}

} // namespace
} // namespace vxcheck
