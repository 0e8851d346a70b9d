// How fast names are found in llnl.dat's table: the lookups of a 20,000-line input must take a
// small part of the 20 ms that linting it may take.
#include "names/table_feed.h"
#include "support/best_time.h"

#include <gtest/gtest.h>

TEST(NameLookupSpeed, TwentyThousandLookupsInLlnlDat) {
    vxcheck::NameTable table;
    Feed(table, ReadWholeFile(VXCHECK_DATA_DIR "/databases/llnl.dat"), "llnl.dat");
    const std::vector<const vxcheck::NameEntry*> phases = table.All(vxcheck::NameKind::Phase);
    ASSERT_GT(phases.size(), 1000U);
    ASSERT_GT(table.All(vxcheck::NameKind::AqueousSpecies).size(), 1000U);

    // Half of the names in another case.
    std::vector<std::string> wanted;
    for (std::size_t i = 0; i < 20000; ++i) {
        const std::string& name = phases[i % phases.size()]->name;
        wanted.push_back(i % 2 == 0 ? name : Lower(name));
    }
    std::size_t found = 0;
    const double ms = BestMilliseconds([&] {
        found = 0;
        for (const std::string& name : wanted) {
            found += table.Find(vxcheck::NameKind::Phase, name) != nullptr ? 1 : 0;
        }
    });
    EXPECT_EQ(found, 20000U);
    EXPECT_LT(ms, 10.0); // about 1 ms on an idle machine
    std::printf("20000 lookups: %.2f ms\n", ms);
}

TEST(NameLookupSpeed, SuggestionsAmongLlnlDatPhases) {
    vxcheck::NameTable table;
    Feed(table, ReadWholeFile(VXCHECK_DATA_DIR "/databases/llnl.dat"), "llnl.dat");
    const std::vector<const vxcheck::NameEntry*> phases = table.All(vxcheck::NameKind::Phase);
    ASSERT_GT(phases.size(), 200U);

    // 200 phase names, each with one letter doubled: a misspelling each, timed as one batch.
    std::vector<std::string> misspelt;
    for (std::size_t i = 0; i < 200; ++i) {
        std::string name = phases[i * 5 % phases.size()]->name;
        misspelt.push_back(name.insert(name.size() / 2, 1, name[name.size() / 2]));
    }
    std::size_t suggested = 0;
    const double ms = BestMilliseconds([&] {
        suggested = 0;
        for (const std::string& name : misspelt) {
            suggested += table.Suggest(vxcheck::NameKind::Phase, name) ? 1 : 0;
        }
    });
    EXPECT_GT(suggested, 150U);
    EXPECT_LT(ms, 200.0); // about 30 ms on an idle machine
    std::printf("200 suggestions: %.2f ms, %zu made\n", ms, suggested);
}
