// PHREEQC 3 reading through the checker: the view is read, and its temporary file is gone after.
#include <vxcheck/check.h>
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

TEST_F(Phreeqc3ReadDatabase, ReadsTheViewAndRemovesItsFile) {
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
    // Only the database itself is left in the temporary folder.
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
