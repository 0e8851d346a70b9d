// Database loading: the file read once for every name the server offers, and again only when its
// modification time changes.
#include "lsp/databases.h"
#include "lsp/protocol.h"
#include "lsp/text.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vxcheck::lsp {
namespace {

namespace fs = std::filesystem;

class DatabasesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_path =
            (fs::temp_directory_path() /
             ("vxcheck-lsp-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dat"))
                .string();
    }
    void TearDown() override { fs::remove(m_path); }
    void Write(const std::string& text) { std::ofstream(m_path, std::ios::binary) << text; }

    std::string m_path;
};

TEST_F(DatabasesTest, ReadsFormulasAndExchangeAndSurfaceMasterSpecies) {
    Write("EXCHANGE_MASTER_SPECIES\n  X X-  # exchanger\n  Y Y-\n"
          "SURFACE_MASTER_SPECIES; Hfo_w Hfo_wOH; hfo_w Hfo_wOH\n"
          "PHASES\nCalcite\n  CaCO3 = CO3-2 + Ca+2\n  log_k -8.48\n"
          "Uranyl \xE9\n  1 UO2(H2PO4)2:3H2O = UO2+2 + 2 H2PO4-\n"
          "END\n");
    DatabaseStatus status = LoadDatabase(m_path, ReadThroughChecker);
    ASSERT_NE(status.names, nullptr);
    const DatabaseNames& names = *status.names;
    EXPECT_EQ(names.List(NameList::ExchangeMasterSpecies), (std::vector<std::string>{"X", "Y"}));
    // One surface, however its two definitions spell it.
    ASSERT_EQ(names.List(NameList::SurfaceMasterSpecies).size(), 1u);
    EXPECT_EQ(Lower(names.List(NameList::SurfaceMasterSpecies)[0]), "hfo_w");
    EXPECT_EQ(names.FormulaOf("Calcite"), "CaCO3");
    EXPECT_EQ(names.FormulaOf("Uranyl \xC3\xA9"), ""); // a name is its statement's first word
    EXPECT_EQ(names.FormulaOf("Uranyl"), "UO2(H2PO4)2:3H2O");
    std::string spelled;
    EXPECT_EQ(names.ListsOf("CALCITE", &spelled), 1u << static_cast<unsigned>(NameList::Phases));
    EXPECT_EQ(spelled, "Calcite");
    EXPECT_EQ(names.ListsOf("Aragonite", nullptr), 0u);
}

TEST_F(DatabasesTest, TheCacheReadsAgainOnlyWhenTheFileChanges) {
    int calls = 0;
    std::string bytes;
    DatabaseCache cache([&](const std::string& read, DatabaseNames&) {
        ++calls;
        bytes = read;
    });
    DatabaseStatus& missing = cache.Get(m_path);
    EXPECT_EQ(missing.names, nullptr);
    EXPECT_EQ(missing.error, "cannot read database '" + m_path + "': No such file or directory");
    missing.reported = true;
    EXPECT_TRUE(cache.Get(m_path).reported);
    EXPECT_EQ(calls, 0);

    Write("PHASES\n");
    EXPECT_NE(cache.Get(m_path).names, nullptr);
    EXPECT_EQ(bytes, "PHASES\n");
    std::shared_ptr<const DatabaseNames> first = cache.Get(m_path).names;
    EXPECT_EQ(calls, 1);
    fs::last_write_time(m_path, fs::last_write_time(m_path) + std::chrono::seconds(2));
    EXPECT_NE(cache.Get(m_path).names, first);
    EXPECT_EQ(calls, 2);
}

TEST_F(DatabasesTest, ReadsASharedDatabaseThroughAChecker) {
    DatabaseStatus status =
        LoadDatabase(VXCHECK_DATA_DIR "/databases/phreeqc.dat", ReadThroughChecker);
    ASSERT_NE(status.names, nullptr);
    const DatabaseNames& names = *status.names;
    std::string spelled;
    EXPECT_NE(names.ListsOf("Ca+2", &spelled) &
                  (1u << static_cast<unsigned>(NameList::AqueousSpecies)),
              0u);
    EXPECT_NE(names.ListsOf("Calcite", &spelled) & (1u << static_cast<unsigned>(NameList::Phases)),
              0u);
    EXPECT_EQ(names.FormulaOf("Calcite"), "CaCO3");
    // Read as PHREEQC 3 reads it: "Vm" lines are options, so CO2(g) stays a gas.
    EXPECT_NE(names.ListsOf("CO2(g)", &spelled) & (1u << static_cast<unsigned>(NameList::Gases)),
              0u);
    EXPECT_EQ(names.FormulaOf("CO2(g)"), "CO2");
    EXPECT_EQ(names.ListsOf("Vm", nullptr), 0u);
    EXPECT_EQ(names.List(NameList::ExchangeMasterSpecies), std::vector<std::string>{"X"});
    EXPECT_EQ(names.List(NameList::SurfaceMasterSpecies),
              (std::vector<std::string>{"Hfo_s", "Hfo_w"}));
    for (std::size_t list = 1; list < DatabaseNames::kLists; ++list) {
        for (const std::string& name : names.lists[list]) {
            EXPECT_NO_THROW(Json(name).dump()) << "not UTF-8: " << name; // strict by default
        }
    }
}

} // namespace
} // namespace vxcheck::lsp
