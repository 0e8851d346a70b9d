// vxcheck --phreeqc3 on every shared database: what PHREEQC 3 writes is read as PHREEQC 3 means
// it, where the built-in reading stops early or takes options and keywords for names.
#include "cli_run.h"

#include <vxcheck/phreeqc3.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using Words = std::vector<std::string>;
const std::string kDatabases = std::string(VXCHECK_DATA_DIR) + "/databases/";

Words List(const Words& args) {
    const CliRun run = RunVxcheck(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    Words lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

Words Read(const std::string& database, const std::string& command, bool phreeqc3 = true) {
    Words args = {"--db", kDatabases + database, command};
    if (phreeqc3) {
        args.insert(args.begin(), "--phreeqc3");
    }
    return List(args);
}

// Every name of an exchange or surface species set ("con" with an empty text matches all).
Words AllOf(const std::string& database, const std::string& set, bool phreeqc3 = true) {
    Words args = {"--db", kDatabases + database, "find", set, "--mode", "con", ""};
    if (phreeqc3) {
        args.insert(args.begin(), "--phreeqc3");
    }
    return List(args);
}

bool Holds(const Words& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

// The second word of every statement of a file's MEAN_GAMMAS block: an ion such as Ca+2.
Words MeanGammasIons(const std::string& database) {
    std::ifstream file(kDatabases + database);
    Words ions;
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
        for (const std::string& phase : Read(name, "phases")) {
            const std::string lower = Lower(phase);
            EXPECT_EQ(std::find(options.begin(), options.end(), lower), options.end())
                << name << ": " << phase;
            EXPECT_EQ(vxcheck::Phreeqc3BlockOf(phase), "") << name << ": " << phase;
            EXPECT_FALSE(phase.starts_with("-")) << name << ": " << phase;
        }
    }
    EXPECT_EQ(read, 21);
}

TEST(Phreeqc3Databases, LlnlIsReadWhole) {
    EXPECT_TRUE(Read("llnl.dat", "phases", false).empty());
    EXPECT_EQ(Read("llnl.dat", "master-species").size(), 224u);
    EXPECT_EQ(Read("llnl.dat", "aqueous-species").size(), 1327u);
    EXPECT_EQ(Read("llnl.dat", "phases").size(), 1214u);
    for (const char* database : {"core10.dat", "frezchem.dat", "Concrete_PHR.dat"}) {
        EXPECT_FALSE(Read(database, "phases").empty()) << database;
    }
    EXPECT_FALSE(Read("sit.dat", "aqueous-species").empty());
}

TEST(Phreeqc3Databases, PhreeqcDatKeepsGasesAndDropsOptions) {
    const Words plain = Read("phreeqc.dat", "phases", false);
    EXPECT_TRUE(Holds(plain, "Vm") || Holds(plain, "T_c")); // what the built-in reading makes
    const Words phases = Read("phreeqc.dat", "phases");
    EXPECT_EQ(phases.size(), 77u);
    for (const char* kept : {"CO2(g)", "Siderite", "Epsomite", "Calcite"}) {
        EXPECT_TRUE(Holds(phases, kept)) << kept;
    }
    for (const char* dropped : {"Vm", "T_c", "P_c", "GAS_BINARY_PARAMETERS"}) {
        EXPECT_FALSE(Holds(phases, dropped)) << dropped;
    }
}

TEST(Phreeqc3Databases, PitzerGainsExchangeAndSurfaceSpecies) {
    EXPECT_TRUE(AllOf("pitzer.dat", "exchange", false).empty());
    EXPECT_TRUE(AllOf("pitzer.dat", "surface", false).empty());
    const Words exchange = AllOf("pitzer.dat", "exchange");
    EXPECT_TRUE(Holds(exchange, "CaX2")) << exchange.size();
    EXPECT_FALSE(AllOf("pitzer.dat", "surface").empty());
}

TEST(Phreeqc3Databases, NoMeanGammasStatementIsASpecies) {
    for (const char* database : {"phreeqc.dat", "pitzer.dat", "Amm.dat", "stimela.dat"}) {
        const Words ions = MeanGammasIons(database);
        ASSERT_FALSE(ions.empty()) << database;
        const Words surface = AllOf(database, "surface");
        ASSERT_FALSE(surface.empty()) << database;
        for (const std::string& ion : ions) {
            EXPECT_FALSE(Holds(surface, ion)) << database << ": " << ion;
        }
    }
    // The built-in reading takes them for surface species of the block before.
    EXPECT_TRUE(Holds(AllOf("phreeqc.dat", "surface", false), MeanGammasIons("phreeqc.dat")[0]));
}
