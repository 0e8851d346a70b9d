// The typed fields of statements: what each word is to the reader of its block.
#include <vxcheck/input/fields.h>

#include <gtest/gtest.h>

#include <string>

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
    EXPECT_EQ(Kinds(model, 0), "KNDD");
    EXPECT_EQ(Kinds(model, 1), "OU");
    EXPECT_EQ(Kinds(model, 2), "O#P");
    EXPECT_EQ(Kinds(model, 3), "E#UT");
    EXPECT_EQ(Kinds(model, 5), "P##");
    EXPECT_EQ(Kinds(model, 7), "Of");
    EXPECT_EQ(Kinds(model, 8), "OEE");
    EXPECT_EQ(Kinds(model, 9), "E"); // continues -totals
    EXPECT_EQ(Kinds(model, 11), "R");
    EXPECT_EQ(Kinds(model, 13), "BBB");
    EXPECT_EQ(Kinds(model, 16), "P");
    EXPECT_EQ(Kinds(model, 17), "=======");
    EXPECT_EQ(Kinds(model, 19), "X#");
    EXPECT_EQ(Kinds(model, 21), "F###");
    EXPECT_EQ(Kinds(model, 23), "N#");
    EXPECT_EQ(Kinds(model, 25), "===");
    EXPECT_EQ(Kinds(model, 26), "ff");
}
