// The keyword tree's grouping: seven topic groups and their forty keywords, in the order the host
// shows them, and Cvx_Check::BuildKeywordTree, which fills a tree with them.
#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>

#include <algorithm>
#include <iterator>

namespace {

// One row per keyword; a row that starts a group names it. The texts are shown as they stand,
// and the keywords are looked up without regard to case.
struct GroupedKeyword {
    const char* group; // the group that this row opens, or null
    const char* keyword;
};

constexpr GroupedKeyword kGroupedKeywords[] = {
    {"Solution Definition", "Solution"},         // 1
    {nullptr, "Solution_Spread"},                // 2
    {"Geochemical Model", "Equilibrium_phases"}, // 3
    {nullptr, "Exchange"},                       // 4
    {nullptr, "Gas_phase"},                      // 5
    {nullptr, "Kinetics"},                       // 6
    {nullptr, "Surface"},                        // 7
    {nullptr, "Solid_solution"},                 // 8
    {"Output", "Print"},                         // 9
    {nullptr, "Selected_output"},                // 10
    {nullptr, "User_print"},                     // 11
    {nullptr, "User_punch"},                     // 12
    {"Chemical/physical (re)action", "End"},     // 13
    {nullptr, "Copy"},                           // 14
    {nullptr, "Save"},                           // 15
    {nullptr, "Use"},                            // 16
    {nullptr, "Mix"},                            // 17
    {nullptr, "Reaction"},                       // 18
    {nullptr, "Reaction_temperature"},           // 19
    {"Database", "Exchange_master_species"},     // 20
    {nullptr, "Exchange_species"},               // 21
    {nullptr, "Phases"},                         // 22
    {nullptr, "Rates"},                          // 23
    {nullptr, "Solution_master_species"},        // 24
    {nullptr, "Solution_species"},               // 25
    {nullptr, "Surface_master_species"},         // 26
    {nullptr, "Surface_species"},                // 27
    {nullptr, "Pitzer"},                         // 28
    {nullptr, "Sit"},                            // 29
    {"Advanced", "Calculate_values"},            // 30
    {nullptr, "Datablock"},                      // 31
    {nullptr, "Isotopes"},                       // 32
    {nullptr, "Isotope_alphas"},                 // 33
    {nullptr, "Isotope_ratios"},                 // 34
    {nullptr, "Named_expressions"},              // 35
    {nullptr, "Reactive_transport"},             // 36
    {"Miscellaneous", "Incremental_reactions"},  // 37
    {nullptr, "Knobs"},                          // 38
    {nullptr, "LLNL_aqueous_model_parameters"},  // 39
    {nullptr, "Title"},                          // 40
};

static_assert(std::size(kGroupedKeywords) == 40);
static_assert(std::count_if(std::begin(kGroupedKeywords), std::end(kGroupedKeywords),
                            [](const GroupedKeyword& row) { return row.group != nullptr; }) == 7);
static_assert(kGroupedKeywords[0].group != nullptr, "the first keyword needs a group");

} // namespace

void Cvx_Check::BuildKeywordTree(Cvx_KwTree* tree) {
    tree->Clear();
    tree->Init(this);
    for (const GroupedKeyword& row : kGroupedKeywords) {
        if (row.group != nullptr) {
            tree->AddGroupNode(row.group);
        }
        tree->AddKeywordNode(row.keyword, 1);
    }
}
