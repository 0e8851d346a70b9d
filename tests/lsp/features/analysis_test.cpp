// Cursor analysis: the place, the names that fit and the option in force, for each kind of
// statement a PHREEQC input has.
#include "fixture.h"

namespace vxcheck::lsp::testing {
namespace {

struct Case {
    const char* text;
    Place place;
    NameList names;
    const char* option;
};

TEST(Analysis, TellsEachKindOfPlace) {
    const Case cases[] = {
        {"SOL|", Place::Keyword, NameList::None, ""},
        {"SOLUTION 1 Pu|re water", Place::Argument, NameList::None, ""},
        {"SOLUTION 1 \\\n  Pure wa|ter", Place::Argument, NameList::None, ""},
        {"SOLUTION 1\n  Ca 1\n  |", Place::Keyword, NameList::CompositionNames, ""},
        {"SOLUTION 1\n  -te|", Place::Option, NameList::CompositionNames, ""},
        {"SOLUTION 1\n  temp 2|5", Place::Data, NameList::None, "temp"},
        {"KNOBS; -t|", Place::Option, NameList::None, ""},
        {"EQUILIBRIUM_PHASES 1\n  Calcite 0 1 # so|", Place::Comment, NameList::None, ""},
        {"EQUILIBRIUM_PHASES 1\n  Calcite 0 1; Gy|", Place::Keyword, NameList::Phases, ""},
        {"GAS_PHASE\n  -fixed_volume\n  CO|", Place::Keyword, NameList::Gases, "fixed_volume"},
        {"EXCHANGE 1\n  X|", Place::Keyword, NameList::ExchangeMasterSpecies, ""},
        {"SURFACE 1\n  Hfo_w|", Place::Keyword, NameList::SurfaceMasterSpecies, ""},
        {"SELECTED_OUTPUT\n  -totals Ca |", Place::Data, NameList::MasterSpecies, "totals"},
        {"SELECTED_OUTPUT\n  -molalities Ca+2\n  CO3-2 Na|", Place::Data, NameList::AqueousSpecies,
         "molalities"},
        {"SELECTED_OUTPUT\n  -gases CO2(g) |", Place::Data, NameList::Gases, "gases"},
        {"SELECTED_OUTPUT\n  -si Calcite\n  Gypsum Anh|", Place::Data, NameList::Phases, "si"},
        {"SELECTED_OUTPUT\n  -pure Calcite |", Place::Data, NameList::Phases, "pure_phases"},
        {"USER_PUNCH\n  10 PUN|", Place::Basic, NameList::None, ""},
        {"USER_PUNCH\n  -head|", Place::Option, NameList::None, ""},
        {"USER_PUNCH\n  PU|", Place::Keyword, NameList::None, ""},
        {"USER_PRINT\n  10 PRINT MOL(\"Ca|", Place::BasicString, NameList::AqueousSpecies, ""},
        {"USER_PRINT\n  10 a = SI ( \"Cal|cite\")", Place::BasicString, NameList::Phases, ""},
        {"USER_PRINT\n  10 PRINT \"tot|al\"", Place::BasicString, NameList::None, ""},
        {"RATES\nCalc|", Place::Keyword, NameList::None, ""},
        {"RATES\nCalcite\n-start\n10 m = TOT(\"C|", Place::BasicString, NameList::MasterSpecies,
         "start"},
        {"RATES\nCalcite\n-start\n-end\nGyp|", Place::Keyword, NameList::None, "end"},
    };
    for (const Case& test : cases) {
        Marked marked(test.text);
        Cursor cursor = marked.Analyze();
        EXPECT_EQ(cursor.place, test.place) << test.text;
        EXPECT_EQ(cursor.names, test.names) << test.text;
        EXPECT_EQ(cursor.option, test.option) << test.text;
    }
}

TEST(Analysis, FindsTheWholeWordAndTheBlock) {
    Marked option("SOLUTION 1\nEND\nSOLUTION 2\n  -t|emp 25");
    Cursor cursor = option.Analyze();
    ASSERT_NE(cursor.block, nullptr);
    EXPECT_EQ(cursor.block->line, 2);
    EXPECT_EQ(cursor.word.begin, 2u);
    EXPECT_EQ(cursor.word.end, 7u);

    Marked quoted("USER_PUNCH\n 10 PUNCH SI(\"Cal|cite\") + 1");
    cursor = quoted.Analyze();
    EXPECT_EQ(cursor.function, "si");
    EXPECT_EQ(
        quoted.document.Line(1).substr(cursor.word.begin, cursor.word.end - cursor.word.begin),
        "Calcite");

    Marked before("  |\nSOLUTION 1");
    EXPECT_EQ(before.Analyze().block, nullptr);
}

} // namespace
} // namespace vxcheck::lsp::testing
