// The lint rules: each kind of mistake reported on its own line with its code, and inputs that
// PHREEQC accepts (its examples, its databases read as input) left without a diagnostic.
#include <vxcheck/input/lint.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "LINE:COLUMN-ENDCOLUMN severity code" for each diagnostic (1-based line, 0-based columns).
std::vector<std::string> Findings(std::string_view text) {
    std::vector<std::string> findings;
    for (const vxcheck::Diagnostic& diagnostic : vxcheck::LintInput(text, nullptr)) {
        findings.push_back(std::to_string(diagnostic.begin.line + 1) + ":" +
                           std::to_string(diagnostic.begin.column) + "-" +
                           std::to_string(diagnostic.end.column) + " " +
                           vxcheck::SeverityName(diagnostic.severity) + " " + diagnostic.code);
    }
    return findings;
}

std::string Message(std::string_view text) {
    const std::vector<vxcheck::Diagnostic> diagnostics = vxcheck::LintInput(text, nullptr);
    return diagnostics.empty() ? std::string() : diagnostics.front().message;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(LintInput, ReportsUnknownOptionsOnTheirLine) {
    EXPECT_EQ(Findings("SOLUTION 1\n -tempqq 25\n pH 7\n"), Lines{"2:1-8 error unknown-option"});
    EXPECT_EQ(Message("SOLUTION 1\n -tempqq 25\n"),
              "Unknown option -tempqq in SOLUTION; did you mean -temp?");
    // Blocks without options, MODIFY blocks, and the two that PHREEQC reads loosely.
    EXPECT_EQ(Findings("MIX 1\n 1 0.5\n -zz\nEXCHANGE_MODIFY 1\n -new_deff 1\n"
                       " -component X\n   -laa 1\nUSER_GRAPH\n -axis_titlez a\nTITLE\n -a b\n"),
              (Lines{"3:1-4 error unknown-option", "5:1-10 error unknown-option",
                     "7:3-7 warning unknown-option", "9:1-13 warning unknown-option"}));
    // Nested component readers hand unknown lines outwards; an -isotopes section is not judged.
    EXPECT_EQ(Findings("SOLID_SOLUTIONS_MODIFY 1\n -solid_solution Ss\n  -component Calcite\n"
                       "   -moles 1\n  -tk 298\n  -tkk 1\nSOLUTION_MODIFY 1\n -isotopes\n"
                       "  13C\n   -anything 1\n"),
              Lines{"6:2-6 warning unknown-option"});
    // Abbreviations, dashless options and numbers are no mistakes.
    EXPECT_EQ(Findings("SELECTED_OUTPUT\n -mol Ca+2\n file x.sel\n -tot Ca\n -1 2\n"), Lines{});
}

TEST(LintInput, ReportsMisspeltKeywordsWhereNoDataLineCanStand) {
    EXPECT_EQ(Findings("SOLUTION 1\nEND\nSOLXUTION 2\n -temp 25\n pH 7\n"),
              Lines{"3:0-9 warning unknown-keyword"});
    EXPECT_EQ(Message("END\nSOLXUTION 2\n"),
              "Unknown keyword SOLXUTION; did you mean SOLUTION? PHREEQC skips the lines up to "
              "the next keyword.");
    EXPECT_EQ(Findings("SELECTED_OUTPUT\nEQUILIBRIUM_PHASE_ 1\n -file a\n"),
              Lines{"2:0-18 error unknown-keyword"});
    EXPECT_EQ(Findings("MIX 1\n 1 0.5\nSOLXUTION 3\n -temp 25\nMIX 2\n one 0.5\n"),
              (Lines{"3:0-9 error unknown-keyword", "6:1-4 error expected-number"}));
    EXPECT_EQ(Findings("KNOBS\n iterations 200\nPRINT\n all lines\n"),
              Lines{"4:0-10 error unexpected-data"});
    // Free text where PHREEQC skips it, and data after an option, stay unjudged.
    EXPECT_EQ(Findings("Notes before the input\nSOLUTION 1\nEND\nnotes after\n"
                       "SELECTED_OUTPUT\n -totals Ca\n Mg Na\n"),
              Lines{});
}

TEST(LintInput, ReportsMisspeltKeywordsWhereTheNextLinesShowTheBlock) {
    // TITLE text, an element of SOLUTION, a phase of PHASES: PHREEQC reads them quietly.
    EXPECT_EQ(Findings("TITLE Test\nSOLXUTION 1\n units mg/l\n pH 7\n"),
              Lines{"2:0-9 warning unknown-keyword"});
    EXPECT_EQ(Findings("SOLUTION 1\n Ca 1\nSOLXUTION 2\n Na 1\n"),
              Lines{"3:0-9 warning unknown-keyword"});
    EXPECT_EQ(Findings("EXCHANGE 1\n CaX2 0.1\nSOLUTON 2\n temp 25\n"),
              Lines{"3:0-7 warning unknown-keyword"});
    EXPECT_EQ(Findings("PHASES\nFoo\n Ca = Ca\nSOLXUTION 1\nEND\n"),
              Lines{"4:0-9 warning unknown-keyword"});
    // USE, SAVE and COPY show themselves by their arguments; a BASIC line by its missing number.
    EXPECT_EQ(Findings("TITLE Run 1\nUSEX solution 1\nEXCHANGE 1\n X 0.1\nCOPXY cell 1 2\n"
                       "USER_PUNCH\n -start\n10 PUNCH 1\n -end\nUSER_GRAPHH 1\n"),
              (Lines{"2:0-4 warning unknown-keyword", "5:0-5 warning unknown-keyword",
                     "10:0-11 warning unknown-keyword"}));
    // Titles, elements and exchangers that only look like keywords.
    EXPECT_EQ(Findings("TITLE Solutions of calcite\nSolutions at 25 C\nSOLUTION 1\n"
                       "SOLUTION 2\n Sit 1\nKINETICS 1\nKinetic\n -m0 1\n"),
              Lines{});
}

TEST(LintInput, ChecksReactions) {
    EXPECT_EQ(Findings("SOLUTION_SPECIES\nCa+2 + H2O = CaOH+ + 2H+\n log_k -12\n"
                       "Ca+2 + H2O = CaOH+ + H+\n -log_k -12\n"
                       "Ca+2 + Cl- = CaCl\n -no_check\n"
                       "1 2\n"),
              (Lines{"2:0-24 error unbalanced-reaction", "8:0-3 error expected-reaction"}));
    EXPECT_EQ(Message("SOLUTION_SPECIES\nCa+2 + H2O = CaOH+ + 2H+\n"),
              "The reaction of CaOH+ does not balance (right side minus left: H 1, charge 1).");
    EXPECT_EQ(Findings("PHASES\nGypsum\n CaSO4:2H2O = Ca+2 + SO4-2 + H2O\n"
                       "Anhydrite\n -log_k -4.36\nHalite\n NaCl = Na+ + Cl- ; log_k 1.57\n"),
              (Lines{"3:1-32 error unbalanced-reaction", "4:0-9 error expected-reaction"}));
    EXPECT_EQ(Findings("EXCHANGE_SPECIES\nCa+2 + 2X- = CaX\nSURFACE_SPECIES\n"
                       "Hfo_wOH + H+ = Hfo_wOH2+\n Hfo_wOH = Hfo_wOH & x\n"),
              (Lines{"2:0-16 error unbalanced-reaction", "5:19-20 error unreadable-reaction"}));
}

TEST(LintInput, ReportsWordsWhereNumbersGo) {
    EXPECT_EQ(Findings("SOLUTION 1\n pH abc\n Ca abc\n Na 1.5x\n -water x\n temp warm\n"
                       "EQUILIBRIUM_PHASES\n Calcite abc\n Dolomite\nMIX 1\n 1 abc\n"
                       "KINETICS\nCalcite\n -m0 abc\n"),
              (Lines{"2:4-7 error expected-number", "3:4-7 error expected-number",
                     "5:8-9 error expected-number", "8:9-12 error expected-number",
                     "11:3-6 error expected-number", "14:5-8 error expected-number"}));
    EXPECT_EQ(Message("EQUILIBRIUM_PHASES\n Calcite abc\n"),
              "EQUILIBRIUM_PHASES expects a saturation index after Calcite, not abc.");
    EXPECT_EQ(Findings("SOLUTION_SPREAD\n -units mg/l\nNumber pH Ca\n1 7 1\n"
                       "SOLUTION_SPREAD\nNumber\tpH\tCa\n1\t7\t1\n"),
              Lines{"3:0-12 warning spread-without-tabs"});
}

TEST(LintInput, ChecksTheDatabaseLine) {
    EXPECT_EQ(Findings("# comment\nDATABASE llnl.dat\nSOLUTION 1\n"), Lines{});
    EXPECT_EQ(Findings("DATABASE\nSOLUTION 1\n"), Lines{"1:0-8 error database-name-missing"});
    EXPECT_EQ(Findings("TITLE t\nDATABASE a.dat\nEND\nDATABASE b.dat\n"),
              (Lines{"2:0-8 error database-not-first", "4:0-8 error database-not-first"}));
    EXPECT_EQ(Message("SOLUTION\nDATABASE x\n"),
              "DATABASE must be the first keyword in the input file.");
}
