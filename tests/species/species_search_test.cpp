// The Find... family over one small database: every mode, phases by formula, minerals and gases,
// and the exchanger and surface rules.
#include <vxcheck/check.h>

#include "support/database_file.h"

#include <gtest/gtest.h>

namespace {

// Master species Ca, C, Na, O, H, Fe, Fe(+3); one exchanger X; two surface sites.
const std::string kDatabase =
    "SOLUTION_MASTER_SPECIES\nCa Ca+2\nC CO3-2\nNa Na+\nO H2O\nH H+\nFe Fe+2\nFe(+3) Fe+3\n"
    "EXCHANGE_MASTER_SPECIES\nX X-\nSURFACE_MASTER_SPECIES\nHfo_s Hfo_sOH\nHfo_w Hfo_wOH\n"
    "SOLUTION_SPECIES\nCaCO3 = CaCO3\nCa+2 = Ca+2\nCO3-2 = CO3-2\nH2O = H2O\nOH- = OH-\n"
    "Fe+3 = Fe+3\nPHASES\nCalcite\n\tCaCO3 = CO3-2 + Ca+2\n\t-log_k -8.48\n"
    "CO2(g)\n\tCO2 = CO2\n\t-log_k -1.47\nEXCHANGE_SPECIES\nNa+ + X- = NaX\n"
    "Ca+2 + 2X- = CaX2\nOH- = OH-\nSURFACE_SPECIES\nHfo_wOH = Hfo_wOH\n"
    "Hfo_sOH + Ca+2 = Hfo_sOHCa+2\nHfo_wOH + Ca+2 = Hfo_wOCa+ + H+\n";

} // namespace

TEST(SpeciesSearch, EveryFormAndMode) {
    Cvx_Check checker;
    ReadText(checker, kDatabase);
    using Find = std::vector<CString> (Cvx_Check::*)(std::vector<CString>, CString);
    const Find aqueous = &Cvx_Check::FindAqueousSpecies;
    const Find exchange = &Cvx_Check::FindExchangeSpecies;
    const struct {
        Find find;
        Names words;
        const char* mode;
        const char* found;
    } cases[] = {
        {aqueous, {"Ca"}, "inc", "Ca+2|H2O|OH-"}, // O and H are always allowed
        {aqueous, {"Ca", "C"}, "AND", "CaCO3"},
        {aqueous, {"Zz", "Fe"}, "Or", "Fe+3"}, // words that are no element are ignored
        {aqueous, {"Zz"}, "inc", "H2O|OH-"},
        {aqueous, {"Fe", "Fe(+3)"}, "and", ""}, // no formula token spells a valence state
        {aqueous, {"Ca"}, "xor", ""},
        {aqueous, {"CO3", "Fe"}, "con", "CaCO3|CO3-2"}, // the names hold the first word
        {aqueous, {"co3"}, "CON", ""},
        {aqueous, {""}, "con", "Ca+2|CaCO3|CO3-2|Fe+3|H2O|OH-"},
        {&Cvx_Check::FindPhases, {"C"}, "inc", "CO2(g)"},     // phases by formula...
        {&Cvx_Check::FindPhases, {"Calc"}, "con", "Calcite"}, // ...but "con" by name
        {&Cvx_Check::FindMinerals, {"Ca", "C"}, "or", "Calcite"},
        {&Cvx_Check::FindGases, {"Ca", "C"}, "or", "CO2(g)"},
        {exchange, {"Ca"}, "inc", "CaX2"}, // searched with X added, kept when the name holds X
        {exchange, {"x"}, "inc", "OH-"},   // a word names the exchanger: searched as given
        {exchange, {"Ca"}, "near", ""},
        {&Cvx_Check::FindSurfaceSpecies, {"Ca"}, "inc", "Hfo_sOHCa+2|Hfo_wOCa+|Hfo_wOH"},
        {&Cvx_Check::FindSurfaceSpecies, {"hfo_w"}, "and", "Hfo_wOCa+|Hfo_wOH"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Join((checker.*c.find)(c.words, c.mode)), c.found) << Join(c.words) << c.mode;
    }
    EXPECT_EQ(Join(checker.FindAqueousSpecies("ca")), "Ca+2|CaCO3");
    EXPECT_EQ(Join(checker.FindAqueousSpecies("Fe(+3)")), "");
    EXPECT_EQ(Join(checker.FindMinerals("C")) + " / " + Join(checker.FindGases("c")),
              "Calcite / CO2(g)");
    EXPECT_EQ(Join(checker.FindExchangeSpecies("Zz")), "CaX2|NaX"); // any species holding X
}

// Each exchanger in turn, the results concatenated: a name may come twice.
TEST(SpeciesSearch, EachExchangerIsSearchedInTurn) {
    Cvx_Check checker;
    ReadText(checker, "SOLUTION_MASTER_SPECIES\nCa Ca+2\nNa Na+\nEXCHANGE_MASTER_SPECIES\nY Y-\n"
                      "X X-\nEXCHANGE_SPECIES\nX- = X-\nNa+ + X- = NaX\nNa+ + Y- = NaY\n"
                      "Ca+2 + X- + Y- = CaXY\n");
    EXPECT_EQ(Join(checker.FindExchangeSpecies("Ca")), "CaXY|CaXY");
    EXPECT_EQ(Join(checker.FindExchangeSpecies({"Na"}, "inc")), "NaX|X-|NaY");
}

// With no exchanger (no surface site) nothing is searched and no cache is built, so what a later
// read adds is searched in full.
TEST(SpeciesSearch, NoExchangerMeansNoSearchAtAll) {
    Cvx_Check checker;
    ReadText(checker, "SOLUTION_MASTER_SPECIES\nCa Ca+2\nX X-\nHfo_w Hfo_wOH\n"
                      "EXCHANGE_SPECIES\nCa+2 + 2X- = CaX2\n"
                      "SURFACE_SPECIES\nHfo_wOH + Ca+2 = Hfo_wOCa+ + H+\n");
    EXPECT_EQ(Join(checker.FindExchangeSpecies("Ca")) +
                  Join(checker.FindSurfaceSpecies({"Ca"}, "inc")),
              "");
    ReadText(checker, "EXCHANGE_MASTER_SPECIES\nX X-\nSURFACE_MASTER_SPECIES\nHfo_w Hfo_wOH\n");
    EXPECT_EQ(Join(checker.FindExchangeSpecies("Ca")), "CaX2");
    EXPECT_EQ(Join(checker.FindSurfaceSpecies({"Ca"}, "inc")), "Hfo_wOCa+");
}
