// Name tables of the shipped databases: what they hold, and that lookups stay fast.
#include "names/table_feed.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using vxcheck::NameKind;

vxcheck::NameTable DatabaseTable(const std::string& name) {
    vxcheck::NameTable table;
    Feed(table, ReadWholeFile(VXCHECK_DATA_DIR "/databases/" + name), name);
    return table;
}

} // namespace

TEST(DatabaseNames, PhreeqcDatHoldsItsNames) {
    const vxcheck::NameTable table = DatabaseTable("phreeqc.dat");
    for (const char* phase : {"Calcite", "Gypsum", "CO2(g)", "Fe(OH)3(a)", "Hausmannite"}) {
        EXPECT_NE(table.Find(NameKind::Phase, phase), nullptr) << phase;
    }
    EXPECT_EQ(table.Find(NameKind::Phase, "Calcite")->formula, "CaCO3");
    EXPECT_EQ(table.Find(NameKind::Phase, "CH4(g)")->formula, "CH4");
    EXPECT_NE(table.Find(NameKind::Element, "Alkalinity"), nullptr);
    EXPECT_NE(table.Find(NameKind::ValenceState, "S(6)"), nullptr);
    EXPECT_NE(table.Find(NameKind::AqueousSpecies, "CaHCO3+"), nullptr);
    EXPECT_NE(table.Find(NameKind::ExchangeSpecies, "CaX2"), nullptr);
    EXPECT_NE(table.Find(NameKind::SurfaceMaster, "Hfo_s"), nullptr);
    EXPECT_NE(table.Find(NameKind::SurfaceSpecies, "Hfo_wOH2+"), nullptr);
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Calcitte"), "Calcite");
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Gipsum"), "Gypsum");
}

TEST(DatabaseNames, LlnlDatTableIsLargeAndFindStaysFast) {
    const vxcheck::NameTable table = DatabaseTable("llnl.dat");
    const std::vector<const vxcheck::NameEntry*> phases = table.All(NameKind::Phase);
    const std::vector<const vxcheck::NameEntry*> species = table.All(NameKind::AqueousSpecies);
    EXPECT_GT(phases.size(), 1000U);
    EXPECT_GT(species.size(), 1000U);
    EXPECT_NE(table.Find(NameKind::Rate, "Calcite"), nullptr);
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Calcitte"), "Calcite");

    // 20,000 lookups of names a large input holds, half of them in another case.
    const auto start = std::chrono::steady_clock::now();
    std::size_t found = 0;
    for (std::size_t i = 0; i < 20000; ++i) {
        const std::string& name = phases[i % phases.size()]->name;
        found += table.Find(NameKind::Phase, i % 2 == 0 ? name : Lower(name)) != nullptr ? 1 : 0;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(found, 20000U);
    EXPECT_LT(ms, 20.0);
}
