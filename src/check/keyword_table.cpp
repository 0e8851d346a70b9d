// The 65 keywords in keyword-list order: a keyword's row number is the position that
// CheckKeyword returns and that indexes the keyword index.
#include <vxcheck/check.h>

#include "check/keyword_table.h"

#include <iterator>

namespace {

constexpr const char* kPhreeqcKeywords[] = {
    "eof",                           // 0
    "end",                           // 1
    "solution_species",              // 2
    "solution_master_species",       // 3
    "solution",                      // 4
    "phases",                        // 5
    "pure_phases",                   // 6
    "reaction",                      // 7
    "mix",                           // 8
    "use",                           // 9
    "save",                          // 10
    "exchange_species",              // 11
    "exchange_master_species",       // 12
    "exchange",                      // 13
    "surface_species",               // 14
    "surface_master_species",        // 15
    "surface",                       // 16
    "reaction_temperature",          // 17
    "inverse_modeling",              // 18
    "gas_phase",                     // 19
    "transport",                     // 20
    "debug",                         // 21
    "selected_output",               // 22
    "select_output",                 // 23
    "knobs",                         // 24
    "print",                         // 25
    "equilibrium_phases",            // 26
    "equilibria",                    // 27
    "equilibrium",                   // 28
    "pure",                          // 29
    "title",                         // 30
    "comment",                       // 31
    "advection",                     // 32
    "kinetics",                      // 33
    "incremental_reactions",         // 34
    "incremental",                   // 35
    "rates",                         // 36
    "solution_s",                    // 37
    "user_print",                    // 38
    "user_punch",                    // 39
    "solid_solutions",               // 40
    "solid_solution",                // 41
    "solution_spread",               // 42
    "spread_solution",               // 43
    "selected_out",                  // 44
    "select_out",                    // 45
    "user_graph",                    // 46
    "llnl_aqueous_model_parameters", // 47
    "llnl_aqueous_model",            // 48
    "database",                      // 49
    "named_analytical_expression",   // 50
    "named_analytical_expressions",  // 51
    "named_expressions",             // 52
    "named_log_k",                   // 53
    "isotopes",                      // 54
    "calculate_values",              // 55
    "isotope_ratios",                // 56
    "isotope_alphas",                // 57
    "copy",                          // 58
    "pitzer",                        // 59
    "sit",                           // 60
    "equilibrium_phase",             // 61
    "datablock",                     // 62
    "reactive_transport",            // 63
    "hydraulic_properties",          // 64
};
static_assert(std::size(kPhreeqcKeywords) == 65);

} // namespace

std::span<const char* const> vxcheck::detail::CheckerKeywords() {
    return kPhreeqcKeywords;
}

void Cvx_Check::GetListOfPhreeqcKeywords() {
    for (const char* keyword : kPhreeqcKeywords) {
        keywordList.AddWord(keyword);
    }
    keywordIndex.assign(static_cast<std::size_t>(keywordList.WordCount()), -1);
    CreateKeywordIndex();
}
