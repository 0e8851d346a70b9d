// PHREEQC 3 reading of every shipped database: what PHREEQC 3 writes is read as PHREEQC 3 means
// it, where the built-in reading stops early or takes options and keywords for names.
#include <vxcheck/check.h>
#include <vxcheck/phreeqc3.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Names = std::vector<CString>;
const std::string kDatabases = VXCHECK_DATA_DIR "/databases/";

// A checker that has read database through its PHREEQC 3 view, or with the built-in reading.
std::unique_ptr<Cvx_Check> Read(const std::string& database, bool phreeqc3 = true) {
    auto checker = std::make_unique<Cvx_Check>();
    const CString path = (kDatabases + database).c_str();
    if (phreeqc3) {
        EXPECT_TRUE(vxcheck::ReadDatabasePhreeqc3(*checker, path)) << database;
    } else {
        checker->ReadDatabase(path);
    }
    return checker;
}

// Every name of the surface species ("con" with an empty text matches all).
Names Surface(const std::string& database, bool phreeqc3 = true) {
    return Read(database, phreeqc3)->FindSurfaceSpecies({""}, "con");
}

bool Holds(const Names& list, const std::string& name) {
    return std::find(list.begin(), list.end(), CString(name.c_str())) != list.end();
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

// The second word of every statement of a file's MEAN_GAMMAS block: an ion such as Ca+2.
std::vector<std::string> MeanGammasIons(const std::string& database) {
    std::ifstream file(kDatabases + database);
    std::vector<std::string> ions;
    bool inside = false;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string first, second;
        words >> first >> second;
        if (!vxcheck::Phreeqc3BlockOf(first).empty()) {
            inside = Lower(first) == "mean_gammas";
        } else if (inside && !second.empty()) {
            ions.push_back(second);
        }
    }
    return ions;
}

} // namespace

TEST(Phreeqc3Databases, NoPhaseIsAnOptionOrAKeyword) {
    const auto options = vxcheck::Phreeqc3OptionsOf("phases");
    int read = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kDatabases)) {
        if (entry.path().extension() != ".dat") {
            continue;
        }
        ++read;
        const std::string name = entry.path().filename().string();
        for (const CString& phase : Read(name)->GetPhases()) {
            const std::string lower = Lower(std::string(phase));
            EXPECT_EQ(std::find(options.begin(), options.end(), lower), options.end())
                << name << ": " << phase;
            EXPECT_EQ(vxcheck::Phreeqc3BlockOf(std::string(phase)), "") << name << ": " << phase;
            EXPECT_NE(phase.Left(1), "-") << name << ": " << phase;
        }
    }
    EXPECT_EQ(read, 21);
}

TEST(Phreeqc3Databases, LlnlIsReadWhole) {
    EXPECT_TRUE(Read("llnl.dat", false)->GetPhases().empty());
    const auto llnl = Read("llnl.dat");
    EXPECT_EQ(llnl->GetMasterSpecies().size(), 224u);
    EXPECT_EQ(llnl->GetAqueousSpecies().size(), 1327u);
    EXPECT_EQ(llnl->GetPhases().size(), 1214u);
    for (const char* database : {"core10.dat", "frezchem.dat", "Concrete_PHR.dat"}) {
        EXPECT_FALSE(Read(database)->GetPhases().empty()) << database;
    }
    EXPECT_FALSE(Read("sit.dat")->GetAqueousSpecies().empty());
}

TEST(Phreeqc3Databases, PhreeqcDatKeepsGasesAndDropsOptions) {
    const Names plain = Read("phreeqc.dat", false)->GetPhases();
    EXPECT_TRUE(Holds(plain, "Vm") || Holds(plain, "T_c")); // what the built-in reading makes
    const Names phases = Read("phreeqc.dat")->GetPhases();
    EXPECT_EQ(phases.size(), 77u);
    for (const char* kept : {"CO2(g)", "Siderite", "Epsomite", "Calcite"}) {
        EXPECT_TRUE(Holds(phases, kept)) << kept;
    }
    for (const char* dropped : {"Vm", "T_c", "P_c", "GAS_BINARY_PARAMETERS"}) {
        EXPECT_FALSE(Holds(phases, dropped)) << dropped;
    }
}

TEST(Phreeqc3Databases, PitzerGainsExchangeAndSurfaceSpecies) {
    EXPECT_TRUE(Read("pitzer.dat", false)->FindExchangeSpecies({""}, "con").empty());
    EXPECT_TRUE(Surface("pitzer.dat", false).empty());
    EXPECT_TRUE(Holds(Read("pitzer.dat")->FindExchangeSpecies({""}, "con"), "CaX2"));
    EXPECT_FALSE(Surface("pitzer.dat").empty());
}

TEST(Phreeqc3Databases, NoMeanGammasStatementIsASpecies) {
    for (const char* database : {"phreeqc.dat", "pitzer.dat", "Amm.dat", "stimela.dat"}) {
        const std::vector<std::string> ions = MeanGammasIons(database);
        ASSERT_FALSE(ions.empty()) << database;
        const Names surface = Surface(database);
        ASSERT_FALSE(surface.empty()) << database;
        for (const std::string& ion : ions) {
            EXPECT_FALSE(Holds(surface, ion)) << database << ": " << ion;
        }
    }
    // The built-in reading takes them for surface species of the block before.
    EXPECT_TRUE(Holds(Surface("phreeqc.dat", false), MeanGammasIons("phreeqc.dat")[0]));
}
