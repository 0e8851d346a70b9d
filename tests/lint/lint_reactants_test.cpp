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
