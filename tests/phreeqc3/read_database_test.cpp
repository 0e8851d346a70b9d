// Reading a database once: PHREEQC 3 reading through the checker in memory, with no file written,
// and the bytes of a file read as the checker reads the file itself, with what the read collects.
#include <vxcheck/check.h>
#include <vxcheck/database_file.h>
#include <vxcheck/phreeqc3.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>

namespace {

// A folder of its own for one test, which is also the temporary folder while the test runs.
class Phreeqc3ReadDatabase : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (std::filesystem::temp_directory_path() / "vxcheck-test-XXXXXX");
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        m_folder = name;
        const char* old = std::getenv("TMPDIR");
        m_oldTmpdir = old != nullptr ? old : "";
        m_hadTmpdir = old != nullptr;
        setenv("TMPDIR", m_folder.c_str(), 1);
    }
    void TearDown() override {
        if (m_hadTmpdir) {
            setenv("TMPDIR", m_oldTmpdir.c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
        std::filesystem::remove_all(m_folder);
    }

    std::filesystem::path m_folder;
    std::string m_oldTmpdir;
    bool m_hadTmpdir = false;
};

std::vector<CString> Names(std::initializer_list<const char*> names) {
    return {names.begin(), names.end()};
}

} // namespace

TEST_F(Phreeqc3ReadDatabase, ReadsTheViewWithoutWritingAFile) {
    const std::filesystem::path database = m_folder / "phreeqc3.dat";
    std::ofstream(database) << "SOLUTION_MASTER_SPECIES\r\n"
                               "Ca Ca+2 0 Ca 40.08\r\n"
                               "MEAN_GAMMAS\n"
                               "CaCl2 Ca+2 1 Cl- 2\n"
                               "PHASES\n"
                               "Methane(g); CH4 = CH4; log_k -2.8; Vm 37.4\n"
                               "Calcite\n"
                               "1 CaCO3 = CO3-2 + Ca+2\n"
                               "T_c 0\n"
                               "GAS_BINARY_PARAMETERS\n"
                               "CO2(g) H2O(g) 0.19\n";
    Cvx_Check checker;
    EXPECT_TRUE(vxcheck::ReadDatabasePhreeqc3(checker, database.c_str()));
    EXPECT_EQ(checker.GetMasterSpecies(), Names({"Ca"}));
    EXPECT_EQ(checker.GetPhases(), Names({"Calcite", "Methane(g)"}));
    EXPECT_EQ(checker.FindMinerals("Ca"), Names({"Calcite"}));
    // Only the database itself stands in the temporary folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(Phreeqc3ReadDatabase, FileThatCannotBeOpenedEndsTheReadAsUsual) {
    Cvx_Check checker;
    EXPECT_FALSE(vxcheck::ReadDatabasePhreeqc3(checker, (m_folder / "none.dat").c_str()));
    EXPECT_EQ(checker.GetMasterSpeciesComp(), Names({"Total_H", "Total_O", "Charge"}));
    EXPECT_TRUE(checker.GetPhases().empty());
}

// Every shipped database gives the same answers from its bytes as from its path, in both readings.
TEST(ReadDatabaseBytes, AnswersAsTheReadOfTheFileItself) {
    for (const auto& entry : std::filesystem::directory_iterator(VXCHECK_DATA_DIR "/databases")) {
        if (entry.path().extension() != ".dat") {
            continue;
        }
        const CString path = entry.path().c_str();
        const vxcheck::DatabaseFile file = vxcheck::ReadDatabaseFile(path);
        ASSERT_TRUE(file.read) << path.GetString();
        for (const auto reading :
             {vxcheck::DatabaseReading::Plain, vxcheck::DatabaseReading::Phreeqc3}) {
            Cvx_Check byPath;
            if (reading == vxcheck::DatabaseReading::Plain) {
                byPath.ReadDatabase(path);
            } else {
                vxcheck::ReadDatabasePhreeqc3(byPath, path);
            }
            Cvx_Check byBytes;
            const vxcheck::DatabaseRead read =
                vxcheck::ReadDatabaseBytes(byBytes, file.bytes, reading);
            EXPECT_TRUE(read.read);
            EXPECT_EQ(byBytes.GetMasterSpeciesComp(), byPath.GetMasterSpeciesComp())
                << path.GetString();
            EXPECT_EQ(byBytes.GetAqueousSpecies(), byPath.GetAqueousSpecies()) << path.GetString();
            EXPECT_EQ(byBytes.GetPhases(), byPath.GetPhases()) << path.GetString();
            EXPECT_EQ(byBytes.FindExchangeSpecies("Ca"), byPath.FindExchangeSpecies("Ca"));
            EXPECT_EQ(byBytes.FindSurfaceSpecies("Ca"), byPath.FindSurfaceSpecies("Ca"));
            EXPECT_EQ(read.phases, byPath.GetPhases());
            EXPECT_EQ(read.phaseFormulas.size(), read.phases.size());
        }
    }
}

TEST(ReadDatabaseOnce, SaysWhatWasReadAndWhatTheCheckerCollected) {
    const std::string text = "EXCHANGE_MASTER_SPECIES\n  Y Y-\n  X X-\n"
                             "SURFACE_MASTER_SPECIES; Hfo_w Hfo_wOH; hfo_s Hfo_sOH\n"
                             "PHASES\nCalcite\n  1 CaCO3 = CO3-2 + Ca+2\n  log_k -8.48\n"
                             "CO2(g)\n  CO2 = CO2\n  Vm 37\n";
    Cvx_Check checker;
    const vxcheck::DatabaseRead read =
        vxcheck::ReadDatabaseBytes(checker, text, vxcheck::DatabaseReading::Phreeqc3);
    EXPECT_TRUE(read.read);
    EXPECT_EQ(read.exchangeMasterSpecies, Names({"X", "Y"}));
    EXPECT_EQ(read.surfaceMasterSpecies, Names({"hfo_s", "Hfo_w"}));
    EXPECT_EQ(read.phases, Names({"Calcite", "CO2(g)"}));
    EXPECT_EQ(read.phaseFormulas, Names({"CaCO3", "CO2"}));

    const vxcheck::DatabaseRead missing = vxcheck::ReadDatabaseOnce(
        checker, VXCHECK_DATA_DIR "/no-such.dat", vxcheck::DatabaseReading::Plain);
    EXPECT_FALSE(missing.read);
    EXPECT_EQ(missing.reason, "No such file or directory");
    EXPECT_TRUE(missing.phases.empty());
    // The checker is left as the first read left it.
    EXPECT_EQ(checker.GetMasterSpeciesComp(), Names({"Total_H", "Total_O", "Charge"}));
}
