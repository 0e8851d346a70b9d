// The option tables of the component readers inside the RAW and MODIFY blocks: after the option
// that opens one, option lines are matched against its table first, and a line it does not
// know goes back to the reader that opened it.
#include "input/component_options.h"

namespace vxcheck {
namespace {

constexpr std::string_view kSolutionIsotope[] = {"isotope_number",
                                                 "elt_name",
                                                 "total",
                                                 "ratio",
                                                 "ratio_uncertainty_defined",
                                                 "ratio_uncertainty",
                                                 "x_ratio_uncertainty",
                                                 "coef"};
constexpr std::string_view kExchangeComponent[] = {
    "formula",    "moles",         "la",        "charge_balance",
    "phase_name", "rate_name",     "formula_z", "phase_proportion",
    "totals",     "formula_totals"};
constexpr std::string_view kSurfaceComponent[] = {"formula",
                                                  "moles",
                                                  "la",
                                                  "charge_number",
                                                  "charge_balance",
                                                  "phase_name",
                                                  "rate_name",
                                                  "phase_proportion",
                                                  "totals",
                                                  "formula_z",
                                                  "formula_totals",
                                                  "dw",
                                                  "charge_name",
                                                  "master_element"};
constexpr std::string_view kSurfaceCharge[] = {"name",
                                               "specific_area",
                                               "grams",
                                               "charge_balance",
                                               "mass_water",
                                               "la_psi",
                                               "diffuse_layer_totals",
                                               "la_psi1",
                                               "la_psi2",
                                               "capacitance0",
                                               "capacitance1",
                                               "sigma0",
                                               "sigma1",
                                               "sigma2",
                                               "sigmaddl",
                                               "g_map",
                                               "diffuse_layer_species",
                                               "f_free",
                                               "ddl_viscosity"};
constexpr std::string_view kPhaseComponent[] = {
    "name",          "add_formula",    "si",
    "moles",         "delta",          "initial_moles",
    "dissolve_only", "force_equality", "precipitate_only",
    "si_org",        "totals"};
constexpr std::string_view kGasComponent[] = {"p",   "name", "p_read",    "moles", "initial_moles",
                                              "phi", "f",    "phase_name"};
constexpr std::string_view kKineticsComponent[] = {
    "rate_name_not_used", "tol", "m", "m0", "moles", "namecoef", "d_params", "initial_moles"};
constexpr std::string_view kSolidSolution[] = {
    "ss_name",   "total_moles", "a0",  "a1",    "components", "miscibility",
    "spinodal",  "tk",          "xb1", "xb2",   "ag0",        "ag1",
    "component", "input_case",  "p",   "ss_in", "totals",     "dn"};
constexpr std::string_view kSolidSolutionComponent[] = {
    "name",         "initial_moles",    "moles", "init_moles", "delta", "fraction_x",
    "log10_lambda", "log10_fraction_x", "dn",    "dnc",        "dnb"};

// Rows: the reader that opens a component reader, the option that opens it, the component
// reader's name and its options. The top reader of a RAW or MODIFY block is named after the
// block with "_raw" (MODIFY blocks share it).
constexpr ComponentReader kReaders[] = {
    {"solution_raw", "isotopes", "isotope", kSolutionIsotope, true},
    {"exchange_raw", "component", "exchange_component", kExchangeComponent, false},
    {"surface_raw", "component", "surface_component", kSurfaceComponent, false},
    {"surface_raw", "charge_component", "surface_charge", kSurfaceCharge, false},
    {"equilibrium_phases_raw", "component", "phase_component", kPhaseComponent, false},
    {"gas_phase_raw", "component", "gas_component", kGasComponent, false},
    {"kinetics_raw", "component", "kinetics_component", kKineticsComponent, false},
    {"solid_solutions_raw", "solid_solution", "solid_solution", kSolidSolution, false},
    // "-component" selects "components", the earlier entry of the solid solution's table.
    {"solid_solution", "components", "solid_solution_component", kSolidSolutionComponent, false},
    {"solid_solution", "component", "solid_solution_component", kSolidSolutionComponent, false},
};

} // namespace

std::span<const ComponentReader> ComponentReaders() {
    return kReaders;
}

const ComponentReader* FindComponentReader(std::string_view reader, std::string_view option) {
    for (const ComponentReader& row : kReaders) {
        if (row.opener == reader && row.option == option) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace vxcheck
