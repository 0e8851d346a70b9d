// The keyword index: from each keyword position to the number of its identifier definition.
#include <vxcheck/check.h>

#include <vxcheck/platform/mbstring.h>

#include <iterator>

namespace {

struct KeywordDefinition {
    const char* keyword;
    int number;
};

// Matched by text, first equal name decides: the index is right for any order of the keywords.
constexpr KeywordDefinition kKeywordDefinitions[] = {
    {"solution_master_species", 1},        // 0
    {"solution_species", 2},               // 1
    {"solution", 3},                       // 2
    {"phases", 4},                         // 3
    {"solution_spread", 5},                // 4
    {"solution_s", 5},                     // 5
    {"spread_solution", 5},                // 6
    {"pure_phases", 6},                    // 7
    {"equilibrium_phases", 6},             // 8
    {"equilibria", 6},                     // 9
    {"equilibrium", 6},                    // 10
    {"pure", 6},                           // 11
    {"equilibrium_phase", 6},              // 12
    {"exchange", 7},                       // 13
    {"gas_phase", 8},                      // 14
    {"kinetics", 9},                       // 15
    {"solid_solutions", 10},               // 16
    {"solid_solution", 10},                // 17
    {"surface", 11},                       // 18
    {"print", 12},                         // 19
    {"selected_output", 13},               // 20
    {"select_output", 13},                 // 21
    {"selected_out", 13},                  // 22
    {"select_out", 13},                    // 23
    {"user_print", 14},                    // 24
    {"user_punch", 15},                    // 25
    {"exchange_species", 16},              // 26
    {"pitzer", 17},                        // 27
    {"rates", 18},                         // 28
    {"surface_species", 19},               // 29
    {"calculate_values", 20},              // 30
    {"isotopes", 21},                      // 31
    {"knobs", 22},                         // 32
    {"debug", 22},                         // 33
    {"llnl_aqueous_model_parameters", 23}, // 34
    {"llnl_aqueous_model", 23},            // 35
    {"reactive_transport", 25},            // 36
    {"datablock", 24},                     // 37
    {"exchange_master_species", 26},       // 38
    {"surface_master_species", 27},        // 39
};
static_assert(std::size(kKeywordDefinitions) == 40);

const unsigned char* Bytes(const char* text) {
    return reinterpret_cast<const unsigned char*>(text);
}

} // namespace

void Cvx_Check::CreateKeywordIndex() {
    for (int position = 0; position < keywordList.WordCount(); ++position) {
        const CString keyword = keywordList.WordAt(position);
        for (const KeywordDefinition& entry : kKeywordDefinitions) {
            if (_mbsicmp(Bytes(keyword), Bytes(entry.keyword)) == 0) {
                keywordIndex[static_cast<std::size_t>(position)] = entry.number;
                break;
            }
        }
    }
}
