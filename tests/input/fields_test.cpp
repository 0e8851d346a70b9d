// The typed fields of statements: what each word is to the reader of its block.
#include <vxcheck/input/fields.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// One letter per word: K keyword, N entity number, D description, O option, E element,
// S species, P phase, X exchanger, F surface, R rate, # number, U units, f file, = reaction,
// B BASIC, T text.
std::string Kinds(const vxcheck::InputModel& model, std::size_t index) {
    static constexpr const char* kLetters = "KNDOESPXFR#Uf=BT";
    std::string letters;
    for (vxcheck::FieldKind kind : vxcheck::ClassifyFields(model, index)) {
        letters += kLetters[static_cast<int>(kind)];
    }
    return letters;
}

} // namespace

TEST(InputFields, NamesEachWordByItsBlock) {
    const vxcheck::InputModel model = vxcheck::ReadInput(
        "SOLUTION 1-3 Pore water\n"                                        // 0
        " units mmol/kgw\n pH 7 charge\n Ca 1 as Ca\n"                     // 1-3
        "EQUILIBRIUM_PHASES\n Calcite 0 1\n"                               // 4-5
        "SELECTED_OUTPUT\n -file a.sel\n -totals Ca Mg\n Na\n"             // 6-9
        "RATES\nCalcite\n -start\n10 SAVE 0\n -end\n"                      // 10-14
        "PHASES\nGypsum\n CaSO4:2H2O = Ca+2 + SO4-2 + 2H2O\n"              // 15-17
        "EXCHANGE\n CaX2 0.1\nSURFACE\n Hfo_wOH 1e-3 600 1\nMIX\n 1 0.5\n" // 18-23
        "SOLUTION_SPECIES\nH+ = H+\nINCLUDE$ more.pqi\n");                 // 24-26
    const std::pair<std::size_t, std::string> expected[] = {
        {0, "KNDD"},  {1, "OU"},   {2, "O#P"},  {3, "E#UT"},     {5, "P##"},
        {7, "Of"},    {8, "OEE"},  {9, "E"}, // continues -totals
        {11, "R"},    {13, "BBB"}, {16, "P"},   {17, "======="}, {19, "X#"},
        {21, "F###"}, {23, "N#"},  {25, "==="}, {26, "ff"},
    };
    for (const auto& [index, kinds] : expected) {
        EXPECT_EQ(Kinds(model, index), kinds) << "statement " << index;
    }
}
