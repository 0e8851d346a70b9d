// The block readers, each run on the text that follows a block's keyword.
#include <vxcheck/check.h>
#include <vxcheck/db_reader.h>

#include "support/database_file.h"

#include <gtest/gtest.h>

namespace {

enum class Kind { MasterSpecies, Species, Phases };

// "names -> end" (with " / formulas" for PHASES): what the reader of kind recorded from text,
// and the keyword position or -2 with which the block ended.
std::string ReadBlock(Cvx_KwIdentifiers& definition, Kind kind, const std::string& text) {
    const DatabaseFile file(text);
    Cvx_Check checker;
    Cvx_DbReader reader;
    reader.Open(file.Path());
    Names names;
    Names formulas;
    const int ended =
        kind == Kind::MasterSpecies ? definition.ReadMasterSpeciesBlock(reader, checker, names)
        : kind == Kind::Species     ? definition.ReadSpeciesBlock(reader, checker, names)
                                    : definition.ReadPhasesBlock(reader, checker, names, formulas);
    while (!reader.AtEnd()) {
        reader.SkipLine();
    }
    std::string read = Join(names);
    if (kind == Kind::Phases) {
        read += " / ";
        read += Join(formulas);
    }
    return read + " -> " + std::to_string(ended);
}

} // namespace

TEST(BlockReaders, MasterSpeciesAreFirstWordsOfStatements) {
    Cvx_KwSolutionMasterSpecies solution;
    EXPECT_EQ(ReadBlock(solution, Kind::MasterSpecies,
                        "H H+ -1. H 1.008\nH(0) H2 0.0 H\n# c\nE e- 0 0; Ca Ca+2 0 Ca 40.08\n"
                        "Alkalinity CO3-2 1.0 Ca0.5(CO3)0.5 50.05\nSolution_Species\n"),
              "H|H(0)|E|Ca|Alkalinity -> 2");
    // A name alone on its line took its line feed along, so the next statement is passed
    // over; the word that meets the end of the file is never examined.
    Cvx_KwExchangeMasterSpecies exchange;
    EXPECT_EQ(ReadBlock(exchange, Kind::MasterSpecies, "Xx\nYy Y+\nZz Z+\nLast"), "Xx|Zz -> -2");
}

TEST(BlockReaders, SpeciesAreFirstWordsRightOfEquals) {
    Cvx_KwSolutionSpecies solution;
    EXPECT_EQ(ReadBlock(solution, Kind::Species,
                        "H+ = H+\nCa+2 + H2O = CaOH+ + H+\n\t-log_k -12.78\n\tlog_k -1.0\n"
                        "\tdelta_h 2 = x\n-unknown y = z\nxyz 1.2 3.4\nH2O\n= OH- + H+\n"
                        "A =\nK+ =\tKt\nEND\nNa+ = Na+\n"),
              "H+|CaOH+|1.2|OH-||Kt -> 1");
    // An identifier alone on its line passes over the next statement; a last reaction without
    // line feed is recorded.
    Cvx_KwSurfaceSpecies surface;
    EXPECT_EQ(ReadBlock(surface, Kind::Species, "-no_check\nA = B\nC = D\nCa+2 = Ca+2"),
              "D|Ca+2 -> -2");
    // Only the block's own definition knows "davies" as an identifier.
    Cvx_KwExchangeSpecies exchange;
    EXPECT_EQ(ReadBlock(exchange, Kind::Species, "davies 1 = Zz\n"), " -> -2");
    EXPECT_EQ(ReadBlock(solution, Kind::Species, "davies 1 = Zz\n"), "Zz -> -2");
}

TEST(BlockReaders, EveryPhaseNameGetsExactlyOneFormula) {
    Cvx_KwPhases phases;
    EXPECT_EQ(ReadBlock(phases, Kind::Phases,
                        // The reaction, -log_k passed over, -delta_h an identifier statement.
                        "Calcite\n\tCaCO3 = CO3-2 + Ca+2\n\t-log_k -8.48\n\t-delta_h -2.2 kcal\n"
                        "Gypsum 1\n\tCaSO4:2H2O = Ca+2 + SO4-2 + 2 H2O\n\tlog_k -4.58\n"
                        "Foo  Fo=Fo\n\tlog_k 1\n"
                        // No "=": the next statement, without blank or "=", gives no formula.
                        "Vm 37.5\nCO2(g)\n\tCO2 = CO2\n"
                        // A name right after a reaction is passed over.
                        "Aa\n\tAa = Aa\nBb\n\tBbO = Bb\n\t-log_k 0\nexchange_master_species\n"),
              "Calcite|Gypsum|Foo|Vm|Aa|BbO / CaCO3|CaSO4:2H2O|Fo||Aa| -> 12");
}
