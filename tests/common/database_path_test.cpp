// Where a named database is opened: where PHREEQC looks first, then the installed copy.
#include "common/database_path.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vxcheck::tools {
namespace {

namespace fs = std::filesystem;

TEST(DatabasePath, FallsBackToTheInstalledCopyOfABareNameOnly) {
    const fs::path folder = fs::temp_directory_path() / "vxcheck-database-path";
    fs::remove_all(folder);
    fs::create_directories(folder / "work");
    fs::create_directories(folder / "installed" / "sub");
    std::ofstream(folder / "installed" / "both.dat") << "END\n";
    std::ofstream(folder / "installed" / "only.dat") << "END\n";
    std::ofstream(folder / "work" / "both.dat") << "END\n";
    const fs::path installed = folder / "installed";
    const fs::path before = fs::current_path();
    fs::current_path(folder / "work");

    EXPECT_EQ(ResolveDatabase("both.dat", installed), "both.dat"); // where PHREEQC looks
    EXPECT_EQ(ResolveDatabase("only.dat", installed), (installed / "only.dat").string());
    EXPECT_EQ(ResolveDatabase("none.dat", installed), "none.dat");
    EXPECT_EQ(ResolveDatabase("sub", installed), "sub"); // a folder is no database
    EXPECT_EQ(ResolveDatabase("x/only.dat", installed), "x/only.dat");
    EXPECT_EQ(ResolveDatabase("only.dat", fs::path()), "only.dat");

    fs::current_path(before);
    fs::remove_all(folder);
}

} // namespace
} // namespace vxcheck::tools
