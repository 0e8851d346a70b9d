// ReadDatabaseNames over the shipped databases and small ones of our own: the names of the
// defining blocks, up to the first END, with INCLUDE$ files read in place.
#include <vxcheck/input/names.h>

#include "support/generated_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

} // namespace

TEST(InputDatabaseNames, ReadsTheShippedDatabases) {
    const std::string path = std::string(VXCHECK_DATA_DIR) + "/databases/phreeqc.dat";
    const vxcheck::NameTable names = vxcheck::ReadDatabaseNames(ReadFile(path), path);
    ASSERT_FALSE(names.Empty());
    const vxcheck::NameEntry* calcite = names.Find(vxcheck::NameKind::Phase, "Calcite");
    ASSERT_NE(calcite, nullptr);
    EXPECT_EQ(calcite->formula, "CaCO3");
    EXPECT_EQ(calcite->origin.file, path);
    EXPECT_NE(names.Find(vxcheck::NameKind::ValenceState, "Fe(3)"), nullptr);
    EXPECT_NE(names.Find(vxcheck::NameKind::ExchangeSpecies, "CaX2"), nullptr);
    EXPECT_NE(names.Find(vxcheck::NameKind::SurfaceMaster, "Hfo_w"), nullptr);
    EXPECT_NE(names.Find(vxcheck::NameKind::Rate, "Calcite"), nullptr);
    EXPECT_EQ(names.Find(vxcheck::NameKind::Phase, "Calcitte"), nullptr);
}

TEST(InputDatabaseNames, StopsAtEndAndReadsIncludedFiles) {
    const GeneratedFile included([](std::FILE* file) {
        std::fputs("PHASES\nGypsum\n CaSO4:2H2O = Ca+2 + SO4-2 + 2H2O\n log_k -4.58\n", file);
    });
    const std::string name = std::filesystem::path(included.Path().GetString()).filename().string();
    const std::string text = "SOLUTION_MASTER_SPECIES\nCa Ca+2 0 Ca 40.08\n"
                             "PHASES\nCalcite\n CaCO3 = Ca+2 + CO3-2\n -log_k -8.48\n"
                             "INCLUDE$ " +
                             name +
                             "\n"
                             "END\nPHASES\nHalite\n NaCl = Na+ + Cl-\n";
    const std::string database = (std::filesystem::temp_directory_path() / "own.dat").string();
    const vxcheck::NameTable names = vxcheck::ReadDatabaseNames(text, database);
    EXPECT_NE(names.Find(vxcheck::NameKind::Element, "Ca"), nullptr);
    EXPECT_NE(names.Find(vxcheck::NameKind::Phase, "Calcite"), nullptr);
    EXPECT_NE(names.Find(vxcheck::NameKind::Phase, "Gypsum"), nullptr);
    EXPECT_EQ(names.Find(vxcheck::NameKind::Phase, "Halite"), nullptr);
    EXPECT_TRUE(vxcheck::ReadDatabaseNames("# nothing\n", "none.dat").Empty());
}
