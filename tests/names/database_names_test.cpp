// Name tables of the shipped databases: what they hold.
#include "names/table_feed.h"

#include <vxcheck/input/chemistry.h>

#include <gtest/gtest.h>

#include <filesystem>

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
    EXPECT_EQ(table.Find(NameKind::Phase, "Calcite")->constants,
              (std::vector<std::string>{"-log_k -8.45", "-delta_h -3.15 kcal",
                                        "-analytic -67.87 -5.1813e-2 0 30.25746"}));
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Calcitte"), "Calcite");
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Gipsum"), "Gypsum");
}

TEST(DatabaseNames, LlnlDatKeepsAnalyticalExpressions) {
    const vxcheck::NameTable table = DatabaseTable("llnl.dat");
    const vxcheck::NameEntry* calcite = table.Find(NameKind::Phase, "Calcite");
    ASSERT_NE(calcite, nullptr);
    ASSERT_EQ(calcite->constants.size(), 3U);
    EXPECT_EQ(calcite->constants[0], "log_k 1.8487");
    EXPECT_EQ(calcite->constants[1], "-delta_H -25.7149 kJ/mol");
    EXPECT_TRUE(calcite->constants[2].starts_with("-analytic -1.4978e+2")) << calcite->constants[2];
}

TEST(DatabaseNames, EveryDatabasePhaseHasAFormulaThatReads) {
    for (const auto& entry : std::filesystem::directory_iterator(VXCHECK_DATA_DIR "/databases")) {
        if (entry.path().extension() != ".dat") {
            continue;
        }
        const std::string name = entry.path().filename().string();
        const vxcheck::NameTable table = DatabaseTable(name);
        EXPECT_EQ(table.Empty(), name == "co2.dat") << name; // co2.dat is a table of data
        for (const vxcheck::NameEntry* phase : table.All(NameKind::Phase)) {
            EXPECT_TRUE(vxcheck::ParseFormula(phase->formula)) << name << ": " << phase->name;
        }
    }
}
