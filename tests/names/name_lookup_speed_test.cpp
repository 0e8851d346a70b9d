// How fast names are found in llnl.dat's table: the lookups of a 20,000-line input must take a
// small part of the 20 ms that linting it may take.
#include "names/table_feed.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(NameLookupSpeed, TwentyThousandLookupsInLlnlDat) {
    vxcheck::NameTable table;
    Feed(table, ReadWholeFile(VXCHECK_DATA_DIR "/databases/llnl.dat"), "llnl.dat");
    const std::vector<const vxcheck::NameEntry*> phases = table.All(vxcheck::NameKind::Phase);
    ASSERT_FALSE(phases.empty());

    // Half of the names in another case.
    std::vector<std::string> wanted;
    for (std::size_t i = 0; i < 20000; ++i) {
        const std::string& name = phases[i % phases.size()]->name;
        wanted.push_back(i % 2 == 0 ? name : Lower(name));
    }
    const auto start = std::chrono::steady_clock::now();
    std::size_t found = 0;
    for (const std::string& name : wanted) {
        found += table.Find(vxcheck::NameKind::Phase, name) != nullptr ? 1 : 0;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(found, 20000U);
    EXPECT_LT(ms, 5.0);
    std::printf("20000 lookups: %.2f ms\n", ms);
}
