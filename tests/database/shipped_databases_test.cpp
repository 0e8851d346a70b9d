// The databases of the PHREEQC distribution: list invariants for every file, and facts read off
// phreeqc.dat, wateq4f.dat and pitzer.dat by hand.
#include <vxcheck/check.h>

#include "support/database_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Folded spellings strictly increase: index order, no two names equal but for case.
bool InIndexOrder(const Names& names) {
    const auto folded = [](const CString& name) {
        std::string text = Text(name);
        std::transform(text.begin(), text.end(), text.begin(),
                       [](char ch) { return (ch >= 'a' && ch <= 'z') ? ch - 'a' + 'A' : ch; });
        return text;
    };
    return std::adjacent_find(names.begin(), names.end(), [&](const CString& a, const CString& b) {
               return folded(a) >= folded(b);
           }) == names.end();
}

// "minerals / gases": the phases split on a gas mark after their first character.
std::string Split(const Names& phases) {
    Names parts[2];
    for (const CString& phase : phases) {
        parts[phase.Find("(g)") > 0 ? 1 : 0].push_back(phase);
    }
    return Join(parts[0]) + " / " + Join(parts[1]);
}

std::string Lists(Cvx_Check& checker) {
    return Join(checker.GetAqueousSpecies()) + " / " + Join(checker.GetPhases()) + " / " +
           Join(checker.GetMinerals()) + " / " + Join(checker.GetGases());
}

// "+" for each name that names holds, "-" for each it does not.
std::string Marks(const Names& names, std::initializer_list<const char*> wanted) {
    std::string marks;
    for (const char* name : wanted) {
        marks += std::find(names.begin(), names.end(), CString(name)) != names.end() ? '+' : '-';
    }
    return marks;
}

// "masters composition first-phase last-phase gases".
std::string Summary(Cvx_Check& checker) {
    const Names phases = checker.GetPhases();
    return std::to_string(checker.GetMasterSpecies().size()) + " " +
           std::to_string(checker.GetMasterSpeciesComp().size()) + " " + Text(phases.front()) +
           " " + Text(phases.back()) + " " + Join(checker.GetGases());
}

} // namespace

TEST(ShippedDatabases, EveryFileGivesConsistentLists) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VXCHECK_DATA_DIR "/databases")) {
        if (entry.path().extension() != ".dat") {
            continue;
        }
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        Cvx_Check checker;
        checker.ReadDatabase(entry.path().string().c_str());
        const std::string composition = Join(checker.GetMasterSpeciesComp());
        const std::string masters = Join(checker.GetMasterSpecies());
        const std::string lists = Lists(checker);
        EXPECT_EQ(composition.rfind("Total_H|Total_O|Charge", 0), 0u);
        for (const Names& list : {checker.GetMasterSpecies(), checker.GetAqueousSpecies(),
                                  checker.GetPhases(), checker.GetMinerals(), checker.GetGases()}) {
            EXPECT_TRUE(InIndexOrder(list));
        }
        EXPECT_EQ(Join(checker.GetMinerals()) + " / " + Join(checker.GetGases()),
                  Split(checker.GetPhases()));

        checker.ReadDatabase(entry.path().string().c_str());
        EXPECT_EQ(Join(checker.GetMasterSpeciesComp()), composition + "|" + composition);
        EXPECT_EQ(Join(checker.GetMasterSpecies()), masters.empty() ? "" : masters + "|" + masters);
        EXPECT_EQ(Lists(checker), lists);
    }
    EXPECT_EQ(files, 21);
}

// Counted and traced by hand in the files. phreeqc.dat: 50 master species statements (E among
// them); "Vm" and "T_c" lines without dash are read as phases whose formula search swallows the
// next name (Thenardite, CO2(g), ...); GAS_BINARY_PARAMETERS is no keyword, so it is a phase;
// MEAN_GAMMAS is read inside SURFACE_SPECIES. wateq4f.dat: 66 statements; one phase name begins
// with "(". pitzer.dat: 28 statements; "Vm 92.6" swallows Anhydrite; PITZER stops the reading
// before the exchange and surface blocks.
TEST(ShippedDatabases, FactsOfThreeFiles) {
    Cvx_Check phreeqc;
    Cvx_Check wateq4f;
    Cvx_Check pitzer;
    phreeqc.ReadDatabase(VXCHECK_DATA_DIR "/databases/phreeqc.dat");
    wateq4f.ReadDatabase(VXCHECK_DATA_DIR "/databases/wateq4f.dat");
    pitzer.ReadDatabase(VXCHECK_DATA_DIR "/databases/pitzer.dat");
    EXPECT_EQ(Summary(phreeqc), "49 39 Al(OH)3(a) Zn(OH)2(e) CH4(g)|H2(g)|H2O(g)|H2S(g)|H2Sg(g)|"
                                "Hdg(g)|Mtg(g)|N2(g)|NH3(g)|Ntg(g)|O2(g)|Oxg(g)");
    EXPECT_EQ(Summary(wateq4f), "65 52 (UO2)3(PO4)2:4w ZnSO4:H2O CH4(g)|CO2(g)|H2(g)|H2O(g)|"
                                "H2S(g)|N2(g)|NH3(g)|O2(g)");
    EXPECT_EQ(Summary(pitzer), "27 23 Akermanite Vm CO2(g)|H2O(g)|H2Sg(g)|Hdg(g)|Mtg(g)|Ntg(g)|"
                               "Oxg(g)");
    EXPECT_EQ(Marks(phreeqc.GetMinerals(), {"Mirabilite", "Vm", "T_c", "GAS_BINARY_PARAMETERS",
                                            "Thenardite", "Hydroxyapatite"}),
              "++++--");
    EXPECT_EQ(Marks(pitzer.GetPhases(), {"Akermanite", "T_c", "Anhydrite"}), "++-");
    EXPECT_EQ(
        Marks(phreeqc.GetMasterSpeciesComp(), {"Fe(+2)", "Sg", "Ntg", "Fe", "S", "O(0)", "E"}),
        "+++----");
    EXPECT_EQ(Marks(wateq4f.GetMasterSpeciesComp(), {"Mn(7)", "Fulvate", "Se(-2)", "Mn", "As"}),
              "+++--");
    EXPECT_EQ(Join(phreeqc.FindExchangeSpecies({"Na"}, "inc")), "NaX|X-");
    EXPECT_EQ(Join(wateq4f.FindExchangeSpecies({"Na"}, "inc")), "HX|NaX|X-");
    EXPECT_EQ(Join(pitzer.FindExchangeSpecies({""}, "con")), "");
    EXPECT_EQ(Join(phreeqc.FindExchangeSpecies("Al")), "AlOHX2|AlX3");
    EXPECT_EQ(Join(phreeqc.FindSurfaceSpecies("Ca")), "Hfo_sOHCa+2|Hfo_wOCa+");
    EXPECT_EQ(Join(phreeqc.FindSurfaceSpecies({"CaCl2"}, "con")), "CaCl2");
}
