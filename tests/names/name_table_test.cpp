// The name table: what defining blocks define, lookups with PHREEQC's case rules, suggestions.
#include <vxcheck/input/names.h>

#include "names/table_feed.h"

#include <gtest/gtest.h>

namespace {

using vxcheck::NameKind;

std::string Names(const vxcheck::NameTable& table, NameKind kind) {
    std::string joined;
    for (const vxcheck::NameEntry* entry : table.All(kind)) {
        joined += (joined.empty() ? "" : "|") + entry->name;
    }
    return joined;
}

const char* const kInput = R"(SOLUTION_MASTER_SPECIES
Ca   Ca+2  0  Ca  40.08
Fe   Fe+2  0  Fe  55.85
Fe(+2) Fe+2 0 Fe
Fe(3) Fe+3 -2.0 Fe
SOLUTION_SPECIES
Ca+2 = Ca+2
  log_k 0
Fe+2 = Fe+3 + e-;  -log_k -13.02
Ca+2 + H2O = CaOH+ + H+
    -log_k  -12.78
    -gamma  5 0
PHASES
Calcite
  CaCO3 = CO3-2 + Ca+2
  log_k -8.48
  delta_h -2.297 kcal
CO2(g)
  CO2 = CO2 ; log_k -1.47
Broken
  log_k 1
EXCHANGE_MASTER_SPECIES
  X  X-
EXCHANGE_SPECIES
  X- = X-
  Na+ + X- = NaX
SURFACE_MASTER_SPECIES
  Hfo_w  Hfo_wOH
SURFACE_SPECIES
  Hfo_wOH = Hfo_wOH
  Hfo_wOH + H+ = Hfo_wOH2+
RATES
Calcite
  -start
  10 rem not a rate name
  20 save 1
  -end
Pyrite
10 save 0
NotARate
-end
)";

} // namespace

TEST(NameTable, CollectsWhatEachDefiningBlockDefines) {
    vxcheck::NameTable table;
    EXPECT_TRUE(table.Empty());
    Feed(table, kInput, "mine.dat");
    EXPECT_FALSE(table.Empty());
    EXPECT_EQ(Names(table, NameKind::Element), "Ca|Fe");
    EXPECT_EQ(Names(table, NameKind::ValenceState), "Fe(2)|Fe(3)");
    EXPECT_EQ(Names(table, NameKind::MasterSpecies), "Ca+2|Fe+2|Fe+3");
    EXPECT_EQ(Names(table, NameKind::AqueousSpecies), "Ca+2|Fe+3|CaOH+");
    // PHREEQC keeps exchange species as phases too.
    EXPECT_EQ(Names(table, NameKind::Phase), "Calcite|CO2(g)|X-|NaX");
    EXPECT_EQ(Names(table, NameKind::ExchangeMaster), "X");
    EXPECT_EQ(Names(table, NameKind::ExchangeSpecies), "X-|NaX");
    EXPECT_EQ(Names(table, NameKind::SurfaceMaster), "Hfo_w");
    EXPECT_EQ(Names(table, NameKind::SurfaceSpecies), "Hfo_wOH|Hfo_wOH2+");
    EXPECT_EQ(Names(table, NameKind::Rate), "Calcite|Pyrite");

    const vxcheck::NameEntry* calcite = table.Find(NameKind::Phase, "Calcite");
    ASSERT_NE(calcite, nullptr);
    EXPECT_EQ(calcite->formula, "CaCO3");
    EXPECT_EQ(calcite->reaction, "CaCO3 = CO3-2 + Ca+2");
    EXPECT_EQ(calcite->origin.file, "mine.dat");
    EXPECT_EQ(calcite->origin.line, 13); // 0-based
    EXPECT_EQ(table.Find(NameKind::Phase, "CO2(g)")->formula, "CO2");
    EXPECT_EQ(table.Find(NameKind::Element, "Fe")->formula, "Fe+2");
    EXPECT_EQ(table.Find(NameKind::MasterSpecies, "Fe+3")->formula, "Fe(3)");
    EXPECT_EQ(table.Find(NameKind::AqueousSpecies, "CaOH+")->reaction, "Ca+2 + H2O = CaOH+ + H+");
}

TEST(NameTable, KeepsTheLogKLinesOfEachDefinition) {
    vxcheck::NameTable table;
    Feed(table, kInput);
    using Lines = std::vector<std::string>;
    EXPECT_EQ(table.Find(NameKind::Phase, "Calcite")->constants,
              (Lines{"log_k -8.48", "delta_h -2.297 kcal"}));
    EXPECT_EQ(table.Find(NameKind::Phase, "CO2(g)")->constants, (Lines{"log_k -1.47"}));
    EXPECT_EQ(table.Find(NameKind::AqueousSpecies, "Fe+3")->constants, (Lines{"-log_k -13.02"}));
    // -gamma is no log K line; a species without log K lines keeps none of its neighbours'.
    EXPECT_EQ(table.Find(NameKind::AqueousSpecies, "CaOH+")->constants, (Lines{"-log_k -12.78"}));
    EXPECT_TRUE(table.Find(NameKind::ExchangeSpecies, "NaX")->constants.empty());
    EXPECT_TRUE(table.Find(NameKind::Element, "Fe")->constants.empty());

    std::vector<std::string> states;
    for (const vxcheck::NameEntry* state : table.ValenceStates("FE")) {
        states.push_back(state->name);
    }
    EXPECT_EQ(states, (Lines{"Fe(2)", "Fe(3)"}));
    EXPECT_TRUE(table.ValenceStates("Ca").empty());
    const std::vector<const vxcheck::NameEntry*> calcite = table.FindAny("calcite");
    ASSERT_EQ(calcite.size(), 2U);
    EXPECT_EQ(calcite[0]->kind, NameKind::Phase);
    EXPECT_EQ(calcite[1]->kind, NameKind::Rate);
}

TEST(NameTable, FindIgnoresCaseOnlyWherePhreeqcDoes) {
    vxcheck::NameTable table;
    Feed(table, kInput);
    EXPECT_EQ(table.Find(NameKind::Phase, "CALCITE"), table.Find(NameKind::Phase, "Calcite"));
    EXPECT_NE(table.Find(NameKind::Phase, "co2(G)"), nullptr);
    EXPECT_NE(table.Find(NameKind::Element, "FE"), nullptr);
    EXPECT_NE(table.Find(NameKind::ValenceState, "fe(3)"), nullptr);
    EXPECT_NE(table.Find(NameKind::ValenceState, "Fe(+3)"), nullptr); // read as Fe(3)
    EXPECT_NE(table.Find(NameKind::Rate, "pyrite"), nullptr);
    EXPECT_NE(table.Find(NameKind::Phase, "nax"), nullptr);
    EXPECT_EQ(table.Find(NameKind::SurfaceMaster, "HFO_w"), nullptr);
    EXPECT_EQ(table.Find(NameKind::AqueousSpecies, "caoh+"), nullptr);
    EXPECT_EQ(table.Find(NameKind::ExchangeSpecies, "NAX"), nullptr);
    EXPECT_EQ(table.Find(NameKind::Phase, "Calcite "), nullptr);
    EXPECT_EQ(table.Find(NameKind::Rate, "Broken"), nullptr);
    EXPECT_EQ(table.Find(NameKind::Rate, "NotARate"), nullptr); // a line of Pyrite's program
    // A phase's name line needs a readable equation after it.
    EXPECT_EQ(table.Find(NameKind::Phase, "Broken"), nullptr);
}

TEST(NameTable, LaterDefinitionsReplaceEarlierOnes) {
    vxcheck::NameTable table;
    Feed(table, kInput, "db.dat");
    Feed(table, "PHASES\ncalcite\n  CaCO3 = Ca+2 + CO3-2\nAragonite\n  CaCO3 = Ca+2 + CO3-2\n");
    EXPECT_EQ(Names(table, NameKind::Phase), "calcite|CO2(g)|X-|NaX|Aragonite");
    const vxcheck::NameEntry* calcite = table.Find(NameKind::Phase, "Calcite");
    ASSERT_NE(calcite, nullptr);
    EXPECT_EQ(calcite->origin.file, "");
    EXPECT_EQ(calcite->reaction, "CaCO3 = Ca+2 + CO3-2");
    EXPECT_EQ(table.Find(NameKind::Phase, "calcite"), calcite);

    table.Add({"CaOH+", NameKind::AqueousSpecies, {}, "", "added"});
    EXPECT_EQ(table.Find(NameKind::AqueousSpecies, "CaOH+")->reaction, "added");
    table.Add({"", NameKind::Phase, {}, "", ""});
    EXPECT_EQ(table.All(NameKind::Phase).size(), 5U);
}

TEST(NameTable, SuggestsOnlyAClearNearestName) {
    vxcheck::NameTable table;
    for (const char* phase : {"Calcite", "Aragonite", "Dolomite", "Dolomite(d)", "Gypsum",
                              "Anhydrite", "Halite", "Sylvite", "CO2(g)", "O2(g)", "H2(g)"}) {
        table.Add({phase, NameKind::Phase, {}, "", ""});
    }
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Calcitte"), "Calcite");
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Clacite"), "Calcite"); // swapped neighbours
    EXPECT_EQ(table.Suggest(NameKind::Phase, "gypsun"), "Gypsum");
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Anhydrit"), "Anhydrite");
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Dolomite(e)"), "Dolomite(d)");
    EXPECT_EQ(table.Suggest(NameKind::Phase, "N2(g)"), std::nullopt); // CO2, O2 and H2 tie
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Quartz"), std::nullopt);
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Xalite"), "Halite");
    EXPECT_EQ(table.Suggest(NameKind::Phase, "Calcite"), std::nullopt);
    EXPECT_EQ(table.Suggest(NameKind::Phase, ""), std::nullopt);
    EXPECT_EQ(table.Suggest(NameKind::Rate, "Calcite"), std::nullopt);
}

TEST(NameTable, CopiesAreIndependentAndMovesLeaveAnEmptyTable) {
    vxcheck::NameTable table;
    Feed(table, kInput);
    vxcheck::NameTable copy(table);
    copy.Add({"Quartz", NameKind::Phase, {}, "SiO2", ""});
    EXPECT_EQ(table.Find(NameKind::Phase, "Quartz"), nullptr);
    ASSERT_NE(copy.Find(NameKind::Phase, "quartz"), nullptr);
    EXPECT_NE(copy.Find(NameKind::Phase, "Calcite"), table.Find(NameKind::Phase, "Calcite"));

    vxcheck::NameTable assigned;
    assigned = copy;
    EXPECT_EQ(Names(assigned, NameKind::Phase), "Calcite|CO2(g)|X-|NaX|Quartz");
    vxcheck::NameTable moved(std::move(assigned));
    EXPECT_EQ(Names(moved, NameKind::Phase), "Calcite|CO2(g)|X-|NaX|Quartz");
    EXPECT_TRUE(assigned.Empty()); // NOLINT(bugprone-use-after-move): moved-from stays usable
    EXPECT_EQ(assigned.Find(NameKind::Phase, "Calcite"),
              nullptr); // NOLINT(bugprone-use-after-move)
    assigned = std::move(moved);
    EXPECT_EQ(Names(assigned, NameKind::Phase), "Calcite|CO2(g)|X-|NaX|Quartz");
    EXPECT_TRUE(moved.Empty()); // NOLINT(bugprone-use-after-move)
}
