// What an input defines before a point: names of its defining blocks, reactant numbers, the names
// of CALCULATE_VALUES and the line numbers and variables of a BASIC program.
#include <vxcheck/input/definitions.h>

#include <gtest/gtest.h>

#include <string>

namespace vxcheck {
namespace {

TEST(Definitions, NamesAndNumbersBeforeThePointOnly) {
    const std::string text = "PHASES\nFoo\n  NaCl = Na+ + Cl-\n  log_k 1\n"
                             "RATES\nSlow\n-start\n10 SAVE 0\n-end\n"
                             "SOLUTION 1-3\nEND\nSOLUTION 5-100000\nEND\nSAVE solution 8\n"
                             "COPY solution 1 2000-2001\nEQUILIBRIUM_PHASES 4\nEND\n"
                             "EXCHANGE Clay\n X 1\nEND\n"
                             "PHASES\nBar\n  KCl = K+ + Cl-\n  log_k 1\n";
    const InputModel model = ReadInput(text);
    const std::size_t middle = text.find("PHASES\nBar");
    NameTable names;
    CollectDefinitionsBefore(model, middle, names);
    EXPECT_NE(names.Find(NameKind::Phase, "foo"), nullptr);
    EXPECT_NE(names.Find(NameKind::Rate, "Slow"), nullptr);
    EXPECT_EQ(names.Find(NameKind::Phase, "Bar"), nullptr);
    NameTable all;
    CollectDefinitionsBefore(model, text.size(), all);
    EXPECT_NE(all.Find(NameKind::Phase, "Bar"), nullptr);
    // Between two definitions the names stay the same; a statement that defines starts anew.
    EXPECT_EQ(NextDefinitionAt(model, 0), text.find("Foo"));
    EXPECT_EQ(NextDefinitionAt(model, text.find("SOLUTION 1-3")), text.find("Bar"));
    EXPECT_EQ(NextDefinitionAt(model, text.find("Bar")), text.find("Bar"));
    EXPECT_EQ(NextDefinitionAt(model, text.find("  log_k 1", text.find("Bar")) + 1),
              std::string::npos);
    EXPECT_EQ(InputNames(model).All(NameKind::Phase).size(), 2u);

    // A wide range offers its first thousand numbers; a keyword line without a number, 1.
    const std::vector<std::string> solutions = NumbersDefinedBefore(model, "solution", middle);
    ASSERT_EQ(solutions.size(), 3u + 1000u + 2u);
    EXPECT_EQ(solutions[3], "5");
    EXPECT_EQ(solutions[1002], "1004");
    EXPECT_EQ(solutions.back(), "2001");
    EXPECT_EQ(NumbersDefinedBefore(model, "exchange", middle), std::vector<std::string>{"1"});
    EXPECT_EQ(NumbersDefinedBefore(model, "equilibrium_phases", middle),
              std::vector<std::string>{"4"});
    EXPECT_TRUE(NumbersDefinedBefore(model, "solution", text.find("SOLUTION 1-3")).empty());

    // SOLUTION_SPREAD numbers its solutions in the Number column, wherever that stands.
    const std::string spread = "SOLUTION_SPREAD\n -units mmol/L\npH\tNumber\tCa\n7\t4\t1\n"
                               "6\t9\t2\nEND\n";
    EXPECT_EQ(NumbersDefinedBefore(ReadInput(spread), "solution", spread.size()),
              (std::vector<std::string>{"4", "9"}));
}

TEST(Definitions, CalculatedValuesAndProgramNames) {
    const std::string text = "CALCULATE_VALUES\nR(13C)\n-start\n10 ratio = 1\n20 SAVE ratio\n-end\n"
                             "Total_C\n-start\n10 SAVE TOT(\"C\")\n-end\n"
                             "USER_PUNCH\n  10 x = 1 : y$ = \"a\"\n  20 IF x > 0 THEN GOTO 10\n"
                             "  20 PUNCH x\n";
    const InputModel model = ReadInput(text);
    EXPECT_EQ(CalculatedValuesBefore(model, text.size()),
              (std::vector<std::string>{"R(13C)", "Total_C"}));
    EXPECT_EQ(CalculatedValuesBefore(model, text.find("Total_C")),
              std::vector<std::string>{"R(13C)"});
    const ProgramNames calculate = ProgramNamesOf(model, 0);
    EXPECT_EQ(calculate.lineNumbers, (std::vector<long>{10, 20}));
    EXPECT_EQ(calculate.variables, std::vector<std::string>{"ratio"});
    const ProgramNames punch = ProgramNamesOf(model, 1);
    EXPECT_EQ(punch.lineNumbers, (std::vector<long>{10, 20}));
    EXPECT_EQ(punch.variables, (std::vector<std::string>{"x", "y$"}));
    EXPECT_TRUE(ProgramNamesOf(model, 7).lineNumbers.empty());
    EXPECT_TRUE(ProgramNamesOf(model, -1).variables.empty());
}

} // namespace
} // namespace vxcheck
