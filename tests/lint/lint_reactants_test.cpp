// Names that reactions, REACTION, KINETICS and SOLUTION_SPREAD use, judged against phreeqc.dat and
// the input's own definitions.
#include "support/lint_inputs.h"

#include <vxcheck/input/lint.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

} // namespace

TEST(LintReactants, NamesTheUnknownSpeciesOfAReactionInsteadOfAnImbalance) {
    // "C03-2" (a zero) would not balance; the cause is the species nothing defines.
    EXPECT_EQ(Findings("SOLUTION_SPECIES\nCa+2 + C03-2 = CaCO3\n log_k 3.2\n"
                       "EXCHANGE_SPECIES\nCa+2 + 2Y- = CaY2\n log_k 0.8\n"
                       "PHASES\nMyCalcite\n CaCO3 = Ca+2 + Co3-2\n log_k -8.5\n"),
              (Lines{"2:7 error unknown-species: C03-2 is not a species of the database or of the "
                     "input; did you mean CO3-2?",
                     "5:7 error unknown-species: Y- is not a species of the database or of the "
                     "input; did you mean X-?",
                     "9:16 error unknown-species: Co3-2 is not a species of the database or of the "
                     "input; did you mean CO3-2?"}));
    // Species the input defines, in any block of the simulation, phases marked (g) or (s), and
    // PHREEQC's (aq) and H2O(l) spellings are known; a true imbalance is still one.
    EXPECT_EQ(Findings("SOLUTION_SPECIES\nCa+2 + Tr-2 = CaTr\n log_k 1\nTr-2 = Tr-2\n log_k 0\n"
                       "SOLUTION_MASTER_SPECIES\nTr Tr-2 0 Tr 1\n"
                       "PHASES\nMyGas\n CO2(g) + H2O(l) = CO2(aq) + H2O\n log_k 0\n"
                       "SOLUTION_SPECIES\nCa+2 + CO3-2 = CaCO4\n log_k 1\n"),
              Lines{"13:0 error unbalanced-reaction: The reaction of CaCO4 does not balance (right "
                    "side minus left: O 1)."});
    // A species defined only in a later simulation is unknown when the reaction is used.
    EXPECT_EQ(Findings("SOLUTION_SPECIES\nCa+2 + Tr-2 = CaTr\n log_k 1\nEND\n"
                       "SOLUTION_SPECIES\nTr-2 = Tr-2\n log_k 0\n")
                  .size(),
              1U);
    // Without a whole database (none, or a part meant for INCLUDE$) no species is judged.
    EXPECT_TRUE(
        vxcheck::LintInput("SOLUTION_SPECIES\nCa+2 + Tr-2 = CaTr\n log_k 1\n", nullptr).empty());
    EXPECT_TRUE(vxcheck::LintInput("SOLUTION_SPECIES\nCa+2 + Tr-2 = CaTr\n log_k 1\n",
                                   &DatabaseNames("Concrete_PHR.dat"))
                    .empty());
}

TEST(LintReactants, JudgesWhatReactionAndKineticsAdd) {
    EXPECT_EQ(Findings("SOLUTION 1\nREACTION 1\n calcite 1 Calcitx 1\n CaCo3 0.5\n NaCl\n"
                       " 1 2 mmol in 2 steps\n"),
              (Lines{"3:11 error unknown-reactant: Calcitx is neither a phase nor an element of "
                     "the database or of the input; did you mean Calcite?",
                     "4:1 error unknown-reactant: CaCo3 holds Co, which is not an element of the "
                     "database or of the input, and is no phase."}));
    // A rate RATES defines later in the simulation is known; a -steps list continued on a line
    // of its own is read as a rate's name.
    EXPECT_EQ(Findings("SOLUTION 1\nKINETICS 1\nCalcitx\n -formula CaCO3 1 Qz 2\n -m0 1\n"
                       "MyRate\n -steps 100 200\n 300\n"
                       "RATES\nMyRate\n-start\n10 SAVE 0\n-end\n"),
              (Lines{"3:0 error unknown-rate: Calcitx is not a rate of the database or of the "
                     "input; did you mean Calcite?",
                     "4:18 error unknown-reactant: Qz is neither a phase nor an element of the "
                     "database or of the input.",
                     "8:1 error unknown-rate: 300 is not a rate of the database or of the input; "
                     "KINETICS reads each data line as the name of a rate."}));
    EXPECT_TRUE(vxcheck::LintInput("REACTION\n Qz 1\nKINETICS\nQz\n", nullptr).empty());
}

TEST(LintReactants, ReadsSolutionSpreadByColumns) {
    EXPECT_EQ(Findings("SOLUTION_SPREAD\n -units mg/l\nNumber\tpH\tCaa\tcaa\tN(9)\tCl\tQq\t13C\n"
                       "\t\t\t\t\tmmol/l\n"
                       "1\t7\t1\t1\t1\tabc\n"
                       "A\tx\t\t\t\t1\t\tr\n"),
              (Lines{"3:10 warning unknown-element: Caa is not an element of the database or of "
                     "the input; did you mean Ca?",
                     "3:18 warning unknown-element: N(9) is not an element of the database or of "
                     "the input.",
                     "5:10 error expected-number: SOLUTION_SPREAD expects a number under Cl, not "
                     "abc.",
                     "6:0 error expected-number: SOLUTION_SPREAD expects a solution number or "
                     "range under Number, not A.",
                     "6:2 error expected-number: SOLUTION_SPREAD expects a number under pH, not x.",
                     "6:10 error expected-number: SOLUTION_SPREAD expects a number under 13C, not "
                     "r."}));
    // A first line without a dash is a property when it reads as one, else the heading row.
    EXPECT_EQ(Findings("SOLUTION_SPREAD\npH 7\nunits mg/l\npH\tCaa\n7\t1\n"),
              Lines{"4:3 warning unknown-element: Caa is not an element of the database or of the "
                    "input; did you mean Ca?"});
    EXPECT_EQ(Findings("SOLUTION_SPREAD\ntemp 25\nisotope 13C -10 1\nuncertainty 13C 1\n"
                       "pressure 2\nwater\tCaa\n1\t1\n"),
              Lines{"6:6 warning unknown-element: Caa is not an element of the database or of the "
                    "input; did you mean Ca?"});
    EXPECT_EQ(Findings("SOLUTION_SPREAD\nNumber pH Ca\n1 7 1\n"),
              Lines{"2:0 warning spread-without-tabs: SOLUTION_SPREAD separates columns with tabs; "
                    "PHREEQC reads this heading row, which has none, as one heading."});
}

TEST(LintReactants, ReadsRedoxCouples) {
    EXPECT_EQ(Findings("SOLUTION 1\n -redox Fe\nSOLUTION 2\n -redox Fe(2)/S(6)\n"
                       "SOLUTION 3\n -redox Fe(2)/Fe(9)\nSOLUTION 4\n -redox pe\n"
                       "SOLUTION 5\n -redox O(0)/O(-2)\nSOLUTION 6\n -redox Tr(1)/Tr(2)\n"
                       "SOLUTION_MASTER_SPECIES\nTr(1) Tr+ 0 Tr\nTr(2) Tr+2 0 Tr\n"),
              (Lines{"2:8 error expected-redox-couple: PHREEQC cannot use Fe: a redox couple is pe "
                     "or two valence states of one element, such as Fe(2)/Fe(3).",
                     "4:8 error expected-redox-couple: PHREEQC cannot use Fe(2)/S(6): a redox "
                     "couple is two valence states of the same element.",
                     "6:8 error expected-redox-couple: PHREEQC cannot use Fe(2)/Fe(9): Fe(9) is "
                     "not a valence state of the database or of the input."}));
}

TEST(LintReactants, ReportsUseOfNumbersNothingDefines) {
    EXPECT_EQ(Findings("SOLUTION\nSOLUTION 2-4\nEND\nUSE solution 1\nUSE solution 3\n"
                       "USE solution 5\nUSE reaction 2\nUSE mix none\nEND\n"
                       "USE solution 6\nUSE reaction_temperature 1\nSAVE solution 6\n"
                       "COPY reaction 1 2\nREACTION_TEMPERATURE\n 25\nEND\n"),
              (Lines{"6:13 error undefined-number: No SOLUTION 5 is defined in the input; "
                     "PHREEQC cannot USE it."}));
    EXPECT_EQ(Findings("SOLUTION 1\nEXCHANGE 1\n X 0.1\n -equil with solution 1\n"
                       "SURFACE 1\n Hfo_wOH 1e-3 600 1\n -equilibrate 2\n"),
              Lines{"7:14 error undefined-number: No SOLUTION 2 is defined in the input; PHREEQC "
                    "cannot equilibrate with it."});
    // Cells that other blocks fill, and solutions that SOLUTION_SPREAD numbers, are not followed.
    EXPECT_EQ(Findings("SOLUTION 1-5\nEND\nTRANSPORT\n -cells 5\nEND\nUSE solution 7\nEND\n"),
              Lines{});
    EXPECT_EQ(Findings("SOLUTION 0-3\nTRANSPORT\n -cells 4\n"),
              Lines{"3:8 error undefined-number: TRANSPORT over 4 cells needs solutions 1 to 4; no "
                    "SOLUTION 4 is defined in the input."});
    EXPECT_EQ(Findings("SOLUTION 1\nEND\nCOPY cell 1 5\nUSE solution 5\nEND\n"), Lines{});
    EXPECT_EQ(Findings("SOLUTION_SPREAD\nNumber\tpH\n5\t7\nEND\nUSE solution 5\nUSE mix 2\n"),
              Lines{});
}

TEST(LintReactants, ReportsUnitsOfAnotherKindThanTheSolutions) {
    EXPECT_EQ(Findings("SOLUTION 1\n -units mg/l\n Ca 1 mmol/kgw\n Na 1 mmol/L\n"
                       " Fe 1 Fe(2)/Fe(3)\nSOLUTION 2\n Alkalinity 1 mg/l as HCO3\n"
                       "SOLUTION 3\n units ppm\n Ca 1 mg/kgs\n Cl 1 ug/kgw\n"
                       "SOLUTION 4\n -units mmol\n Ca 1 mg/l\n"),
              (Lines{"3:6 error incompatible-units: mmol/kgw is given per kilogram of water, the "
                     "solution's units (mg/l) per litre; PHREEQC cannot mix them.",
                     "7:14 error incompatible-units: mg/l is given per litre, the solution's units "
                     "(mmol/kgw) per kilogram of water; PHREEQC cannot mix them.",
                     "11:6 error incompatible-units: ug/kgw is given per kilogram of water, the "
                     "solution's units (ppm) per kilogram of solution; PHREEQC cannot mix them."}));
}
