// Database reading at its limits, on files made here and removed after: a 30
// MB database, a line of 10 MB and a block of a million statements. Each is
// read whole, gives the names it holds and stays within the memory that
// docs/decisions.md states. These tests run in the normal build only: they
// measure the process's peak memory, which sanitizers and valgrind change.
#include <vxcheck/check.h>

#include "support/generated_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr long kMegabyte = 1024 * 1024;

// The process's peak resident memory in bytes, as the kernel counts it.
long PeakResident() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6)) * 1024;
        }
    }
    return -1;
}

// One unit of a realistic database: 40 master species, 400 reactions and 100
// phases, with their identifier statements and comments.
void WriteUnit(std::FILE* file) {
    std::fputs("SOLUTION_MASTER_SPECIES\n# element species alk gfw\n", file);
    for (int i = 0; i < 40; ++i) {
        std::fprintf(file, "El%d\tEl%d+2\t0.0\tEl%d\t%d.08\n", i, i, i, 40 + i);
    }
    std::fputs("SOLUTION_SPECIES\n", file);
    for (int i = 0; i < 400; ++i) {
        std::fprintf(file,
                     "El%d+2 + %d H2O = El%dOH%d+ + H+\n\t-log_k -%d.5\n\t-gamma "
                     "5.0 0.165\n",
                     i % 40, i, i % 40, i, i % 13);
    }
    std::fputs("PHASES\n", file);
    for (int i = 0; i < 100; ++i) {
        std::fprintf(file,
                     "Mineral%d\n\tEl%dCO3 = CO3-2 + El%d+2\n\t-log_k -8.48; "
                     "-delta_h -2.3\n",
                     i, i % 40, i % 40);
    }
}

TEST(DatabaseLimits, ThirtyMegabyteFileReadsAsItsUnit) {
    const GeneratedFile unit(WriteUnit);
    const GeneratedFile big([](std::FILE* file) {
        for (long written = 0; written < 30 * kMegabyte; written = std::ftell(file)) {
            WriteUnit(file);
        }
    });
    Cvx_Check once;
    once.ReadDatabase(unit.Path());
    ASSERT_EQ(once.GetAqueousSpecies().size(), 400U);
    ASSERT_EQ(once.GetPhases().size(), 100U);

    const long before = PeakResident();
    Cvx_Check checker;
    checker.ReadDatabase(big.Path());
    EXPECT_EQ(checker.GetAqueousSpecies(), once.GetAqueousSpecies());
    EXPECT_EQ(checker.GetPhases(), once.GetPhases());
    EXPECT_EQ(checker.GetMasterSpecies(), once.GetMasterSpecies());
    // Every name read stays in its word list (about 48 bytes each); the index
    // grows only with the distinct names.
    EXPECT_LT(PeakResident() - before, 128 * kMegabyte) << "file of " << big.Size() << " bytes";
}

TEST(DatabaseLimits, TenMegabyteLineIsOneStatement) {
    const GeneratedFile file([](std::FILE* out) {
        std::fputs("SOLUTION_SPECIES\nH+ = H+", out);
        for (long i = 0; i < 2 * kMegabyte; ++i) {
            std::fputs(" + X2", out); // five bytes each: 10 MB
        }
        std::fputs("\nCa+2 = Ca+2\n", out);
    });
    const long before = PeakResident();
    Cvx_Check checker;
    checker.ReadDatabase(file.Path());
    EXPECT_EQ(checker.GetAqueousSpecies(), (std::vector<CString>{"Ca+2", "H+"}));
    // The statement is held once while it is read.
    EXPECT_LT(PeakResident() - before, 64 * kMegabyte);
}

TEST(DatabaseLimits, MillionStatementBlockKeepsEveryName) {
    const GeneratedFile file([](std::FILE* out) {
        std::fputs("SOLUTION_SPECIES\n", out);
        for (int i = 0; i < 1'000'000; ++i) {
            std::fprintf(out, "Aa = Sp%07d\n", i);
        }
    });
    const long before = PeakResident();
    Cvx_Check checker;
    checker.ReadDatabase(file.Path());
    const std::vector<CString> names = checker.GetAqueousSpecies();
    ASSERT_EQ(names.size(), 1'000'000U);
    EXPECT_EQ(names.front(), "Sp0000000");
    EXPECT_EQ(names.back(), "Sp0999999");
    // A million distinct names of nine characters make about 1.1 million index
    // nodes of 20 bytes; the word lists hold the rest (about 160 MB in all).
    EXPECT_LT(PeakResident() - before, 384 * kMegabyte);
}

} // namespace
