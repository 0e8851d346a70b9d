// The name rules against phreeqc.dat: unknown phases, elements and species reported on their
// word, names the input defines itself known from their simulation on.
#include "support/lint_inputs.h"

#include <vxcheck/input/lint.h>
#include <vxcheck/input/model.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

} // namespace

TEST(LintNames, ReportsUnknownPhasesElementsAndSpecies) {
    EXPECT_EQ(Findings("SOLUTION 1\n Ca 1\n Caa 1\n Fe(3) 1\n N(9) 1\n [13C] 1\n"
                       "EQUILIBRIUM_PHASES 1\n Calcitte 0 1\n dolomite 0 0\n"
                       "GAS_PHASE 1\n CO2(g) 0.1\n CO9(g) 0.1\n"),
              (Lines{"3:1 warning unknown-element: Caa is not an element of the database or "
                     "of the input; did you mean Ca?",
                     "5:1 warning unknown-element: N(9) is not an element of the database or "
                     "of the input.",
                     "8:1 error unknown-phase: Calcitte is not a phase of the database or of "
                     "the input; did you mean Calcite?",
                     "12:1 error unknown-phase: CO9(g) is not a phase of the database or of the "
                     "input; did you mean CO2(g)?"}));
    EXPECT_EQ(Findings("SELECTED_OUTPUT\n -si Calcite Gypsun\n  Halite\n -totals Ca Caa\n"
                       " -molalities CaX2 Ca+3\n -file x.sel\nINVERSE_MODELING\n -phases Calcite\n"
                       "  Dolomit\n  CaX2\n"),
              (Lines{"2:13 warning unknown-phase: Gypsun is not a phase of the database or of "
                     "the input; did you mean Gypsum?",
                     "4:12 warning unknown-element: Caa is not an element of the database or of "
                     "the input; did you mean Ca?",
                     "5:18 warning unknown-species: Ca+3 is not a species of the database or of "
                     "the input; did you mean Ca+2?",
                     "9:2 error unknown-phase: Dolomit is not a phase of the database or of the "
                     "input; did you mean Dolomite?"}));
}

TEST(LintNames, ReportsExchangersAndSurfacesWithoutTheirMasterSpecies) {
    EXPECT_EQ(Findings("EXCHANGE 1\n CaX2 0.1\n CaY2 0.1\n -equilibrate 1\n"
                       "SURFACE 1\n Hfo_wOH 1e-3 600 1\n Hfo_qOH 1e-3\nSOLUTION 1\n"),
              (Lines{"3:1 error unknown-exchanger: CaY2 holds no exchange master species of the "
                     "database or of the input.",
                     "7:1 error unknown-surface: Hfo_qOH holds no surface master species of the "
                     "database or of the input."}));
    // A word like a keyword that no phase resembles is taken for the keyword.
    EXPECT_EQ(Findings("EQUILIBRIUM_PHASES 1\n Calcite 0 0\nEQUILIBRIUM_PHASEZ 2\n"),
              Lines{"3:0 error unknown-keyword: Unknown keyword EQUILIBRIUM_PHASEZ; did you mean "
                    "EQUILIBRIUM_PHASES?"});
}

TEST(LintNames, KnowsWhatTheInputDefinesFromItsSimulationOn) {
    const std::string definitions = "SOLUTION_MASTER_SPECIES\nTr Tr 0 Tr 1\nSOLUTION_SPECIES\n"
                                    "Tr = Tr\n log_k 0\nPHASES\nMyPhase\n Tr = Tr\n log_k 0\n";
    EXPECT_EQ(Findings("SOLUTION 1\n Tr 1\nEQUILIBRIUM_PHASES\n MyPhase 0 0\n" + definitions),
              Lines{});
    EXPECT_EQ(Findings("SOLUTION 1\n Tr 1\nEND\n" + definitions),
              Lines{"2:1 warning unknown-element: Tr is not an element of the database or of "
                    "the input."});
    // Without a database nothing is judged.
    EXPECT_TRUE(vxcheck::LintInput("EQUILIBRIUM_PHASES\n Calcitte 0 1\n", nullptr).empty());
}

TEST(LintNames, TheInputsDefinitionReplacesTheDatabasesInEveryFamily) {
    // CALCITE replaces phreeqc.dat's Calcite, so it alone is near Calcit; Barrite is known from
    // its simulation on, and to BASIC, which judges against every definition of the input;
    // Fe(+2) is read as Fe(2) with the input's names in play.
    EXPECT_EQ(Findings("PHASES\nCALCITE\n CaCO3 = Ca+2 + CO3-2\n log_k -8.4\nSOLUTION 1\n"
                       " Fe(+2) 1\n -redox Fe(+2)/Fe(3)\nEQUILIBRIUM_PHASES 1\n Calcit 0 1\n"
                       " Barrite 0 0\nUSER_PUNCH\n 10 PUNCH SI(\"Barrite\")\nEND\n"
                       "PHASES\nBarrite\n BaSO4 = Ba+2 + SO4-2\n log_k -10\n"
                       "EQUILIBRIUM_PHASES 2\n Barrite 0 0\n"),
              (Lines{"9:1 error unknown-phase: Calcit is not a phase of the database or of the "
                     "input; did you mean CALCITE?",
                     "10:1 error unknown-phase: Barrite is not a phase of the database or of the "
                     "input; did you mean Barite?"}));
}

TEST(LintNames, FindsTheDatabaseLineAsPhreeqcDoes) {
    const std::string text = "# comment\n\n  DATABASE  ../db/my file.dat  \nSOLUTION\n";
    const std::optional<vxcheck::DatabaseLine> line = vxcheck::FindDatabaseLine(text);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->name, "../db/my file.dat");
    EXPECT_EQ(text.substr(line->begin, line->end - line->begin), "../db/my file.dat");
    EXPECT_EQ(vxcheck::FindDatabaseLine("database\n")->name, "");
    EXPECT_FALSE(vxcheck::FindDatabaseLine("TITLE x\nDATABASE a.dat\n").has_value());
}
