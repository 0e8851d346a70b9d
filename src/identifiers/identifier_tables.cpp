// The identifier tables of definitions 2 to 25, in fill order. A row's trailing number is the
// position at which the item lands in the definition's identifier list.
#include "identifier_table.h"

namespace {

// 2 Cvx_KwSolutionSpecies
constexpr const char* kSolutionSpeciesNames[] = {
    "no_check",              // 0
    "check",                 // 1
    "gamma",                 // 2
    "mb",                    // 3
    "mass_balance",          // 4
    "log_k",                 // 5
    "logk",                  // 6
    "delta_h",               // 7
    "deltah",                // 8
    "analytical_expression", // 9
    "a_e",                   // 10
    "ae",                    // 11
    "mole_balance",          // 12
    "llnl_gamma",            // 13
    "co2_llnl_gamma",        // 14
    "activity_water",        // 15
    "add_logk",              // 16
    "add_log_k",             // 17
    "add_constant",          // 18
    "dw",                    // 19
    "erm_ddl",               // 20
    "millero",               // 21
};
constexpr int kSolutionSpeciesUnlisted[] = {3, 4, 6, 8, 10, 11, 17};

// 3 Cvx_KwSolution
constexpr const char* kSolutionNames[] = {
    "temp",        // 0
    "temperature", // 1
    "dens",        // 2
    "density",     // 3
    "units",       // 4
    "redox",       // 5
    "ph",          // 6
    "pe",          // 7
    "unit",        // 8
    "isotope",     // 9
    "water",       // 10
};
constexpr int kSolutionUnlisted[] = {0, 2, 8};
constexpr Cvx_PlainItem kSolutionPlain[] = {
    {"charge", 0}, // 11
    {"as", 0},     // 12
    {"gfw", 0},    // 13
};

// 4 Cvx_KwPhases
constexpr const char* kPhasesNames[] = {
    "no_check",              // 0
    "check",                 // 1
    "log_k",                 // 2
    "logk",                  // 3
    "delta_h",               // 4
    "deltah",                // 5
    "analytical_expression", // 6
    "a_e",                   // 7
    "ae",                    // 8
    "add_logk",              // 9
    "add_log_k",             // 10
    "add_constant",          // 11
};

// 5 Cvx_KwSolutionSpread
constexpr const char* kSolutionSpreadNames[] = {
    "temp",                // 0
    "temperature",         // 1
    "dens",                // 2
    "density",             // 3
    "units",               // 4
    "redox",               // 5
    "ph",                  // 6
    "pe",                  // 7
    "unit",                // 8
    "isotope",             // 9
    "water",               // 10
    "isotope_uncertainty", // 11
    "uncertainty",         // 12
    "uncertainties",       // 13
};
constexpr int kSolutionSpreadUnlisted[] = {0, 2, 8, 12, 13};

// 6 Cvx_KwEquilibriumPhases
constexpr const char* kEquilibriumPhasesNames[] = {
    "force_equality", // 0
    "material",       // 1
    "mat",            // 2
};
constexpr int kEquilibriumPhasesUnlisted[] = {2};
constexpr Cvx_PlainItem kEquilibriumPhasesPlain[] = {
    {"dissolve_only", 0},    // 3
    {"precipitate_only", 0}, // 4
};

// 7 Cvx_KwExchange
constexpr const char* kExchangeNames[] = {
    "equilibrate",            // 0
    "equil",                  // 1
    "pitzer_exchange_gammas", // 2
    "exchange_gammas",        // 3
    "gammas",                 // 4
    "material",               // 5
    "mat",                    // 6
};
constexpr int kExchangeUnlisted[] = {1, 3, 4, 6};
constexpr Cvx_PlainItem kExchangePlain[] = {
    {"kinetic_reactant", 0},  // 7
    {"equilibrium_phase", 0}, // 8
};

// 8 Cvx_KwGasPhase
constexpr const char* kGasPhaseNames[] = {
    "pressure",       // 0
    "volume",         // 1
    "temp",           // 2
    "temperature",    // 3
    "fixed_pressure", // 4
    "fixed_volume",   // 5
    "equilibrium",    // 6
    "equilibrate",    // 7
    "equil",          // 8
    "boundary_layer", // 9
};
constexpr int kGasPhaseUnlisted[] = {2, 6, 8};

// 9 Cvx_KwKinetics
constexpr const char* kKineticsNames[] = {
    "tol",          // 0
    "m",            // 1
    "m0",           // 2
    "parms",        // 3
    "formula",      // 4
    "steps",        // 5
    "step_divide",  // 6
    "parameters",   // 7
    "runge-kutta",  // 8
    "runge_kutta",  // 9
    "rk",           // 10
    "bad_step_max", // 11
    "cvode",        // 12
    "cvode_steps",  // 13
    "cvode_order",  // 14
    "material",     // 15
    "mat",          // 16
};
constexpr int kKineticsUnlisted[] = {7, 8, 10, 16};

// 10 Cvx_KwSolidSolutions
constexpr const char* kSolidSolutionsNames[] = {
    "component",                 // 0
    "comp",                      // 1
    "parms",                     // 2
    "gugg_nondimensional",       // 3
    "gugg_kj",                   // 4
    "activity_coefficients",     // 5
    "distribution_coefficients", // 6
    "miscibility_gap",           // 7
    "spinodal_gap",              // 8
    "critical_point",            // 9
    "alyotropic_point",          // 10
    "temp",                      // 11
    "tempk",                     // 12
    "tempc",                     // 13
    "thompson",                  // 14
    "margules",                  // 15
    "comp1",                     // 16
    "comp2",                     // 17
    "solubility",                // 18
    "fraction",                  // 19
    "material",                  // 20
    "mat",                       // 21
};
constexpr int kSolidSolutionsUnlisted[] = {1, 2, 13, 18, 19, 21};

// 11 Cvx_KwSurface
constexpr const char* kSurfaceNames[] = {
    "equilibrate",          // 0
    "equil",                // 1
    "diff",                 // 2
    "diffuse_layer",        // 3
    "no_edl",               // 4
    "no_electrostatic",     // 5
    "only_counter_ions",    // 6
    "donnan",               // 7
    "cd_music",             // 8
    "capacitances",         // 9
    "sites",                // 10
    "sites_units",          // 11
    "constant_capacitance", // 12
    "ccm",                  // 13
    "material",             // 14
    "mat",                  // 15
};
constexpr int kSurfaceUnlisted[] = {1, 2, 5, 10, 11, 12, 13, 15};
constexpr Cvx_PlainItem kSurfacePlain[] = {
    {"-sites_density absolute", 1}, // 16
    {"-sites_units density", 1},    // 17
    {"kinetic_reactant", 0},        // 18
    {"equilibrium_phase", 0},       // 19
};

// 12 Cvx_KwPrint
constexpr const char* kPrintNames[] = {
    "reset",              // 0
    "gas_phase",          // 1
    "pure_phase",         // 2
    "surface",            // 3
    "exchange",           // 4
    "totals",             // 5
    "eh",                 // 6
    "species",            // 7
    "saturation_indices", // 8
    "si",                 // 9
    "reaction",           // 10
    "mix",                // 11
    "use",                // 12
    "selected_output",    // 13
    "equilibrium_phases", // 14
    "equilibria",         // 15
    "equilibrium",        // 16
    "pure",               // 17
    "other",              // 18
    "status",             // 19
    "inverse",            // 20
    "kinetics",           // 21
    "dump",               // 22
    "user_print",         // 23
    "user_pr",            // 24
    "solid_solution",     // 25
    "solid_solutions",    // 26
    "inverse_modeling",   // 27
    "headings",           // 28
    "heading",            // 29
    "user_graph",         // 30
    "echo_input",         // 31
    "warning",            // 32
    "warnings",           // 33
    "initial_isotopes",   // 34
    "isotope_ratios",     // 35
    "isotope_alphas",     // 36
    "censor_species",     // 37
    "alkalinity",         // 38
    "equilibrium_phase",  // 39
};
constexpr int kPrintUnlisted[] = {2, 9, 12, 15, 16, 17, 20, 24, 25, 27, 29, 30, 32, 39};

// 13 Cvx_KwSelectedOutput
constexpr const char* kSelectedOutputNames[] = {
    "file",               // 0
    "totals",             // 1
    "molalities",         // 2
    "activities",         // 3
    "pure_phases",        // 4
    "si",                 // 5
    "saturation_indices", // 6
    "gases",              // 7
    "equilibrium_phases", // 8
    "equilibria",         // 9
    "equilibrium",        // 10
    "pure",               // 11
    "inverse",            // 12
    "kinetic_reactants",  // 13
    "kinetics",           // 14
    "solid_solutions",    // 15
    "inverse_modeling",   // 16
    "reset",              // 17
    "simulation",         // 18
    "sim",                // 19
    "state",              // 20
    "solution",           // 21
    "soln",               // 22
    "distance",           // 23
    "dist",               // 24
    "time",               // 25
    "step",               // 26
    "reaction",           // 27
    "rxn",                // 28
    "temperature",        // 29
    "temp",               // 30
    "ph",                 // 31
    "pe",                 // 32
    "alkalinity",         // 33
    "alk",                // 34
    "ionic_strength",     // 35
    "mu",                 // 36
    "water",              // 37
    "high_precision",     // 38
    "user_punch",         // 39
    "mol",                // 40
    "kin",                // 41
    "charge_balance",     // 42
    "percent_error",      // 43
    "selected_out",       // 44
    "selected_output",    // 45
    "isotopes",           // 46
    "calculate_values",   // 47
    "equilibrium_phase",  // 48
};
constexpr int kSelectedOutputUnlisted[] = {4,  5,  9,  10, 11, 12, 14, 16, 19, 22,
                                           24, 28, 30, 34, 36, 40, 41, 44, 48};

// 14 Cvx_KwUserPrint
constexpr const char* kUserPrintNames[] = {
    "start", // 0
    "end",   // 1
};

// 15 Cvx_KwUserPunch
constexpr const char* kUserPunchNames[] = {
    "start",    // 0
    "end",      // 1
    "heading",  // 2
    "headings", // 3
};
constexpr int kUserPunchUnlisted[] = {2};

// 16 Cvx_KwExchangeSpecies
constexpr const char* kExchangeSpeciesNames[] = {
    "no_check",              // 0
    "check",                 // 1
    "mb",                    // 2
    "mass_balance",          // 3
    "log_k",                 // 4
    "logk",                  // 5
    "delta_h",               // 6
    "deltah",                // 7
    "analytical_expression", // 8
    "a_e",                   // 9
    "ae",                    // 10
    "mole_balance",          // 11
    "gamma",                 // 12
    "davies",                // 13
    "offset",                // 14
    "llnl_gamma",            // 15
    "add_logk",              // 16
    "add_log_k",             // 17
    "add_constant",          // 18
};
constexpr int kExchangeSpeciesUnlisted[] = {2, 3, 5, 7, 9, 10, 14, 16};

// 17 Cvx_KwPitzer
constexpr const char* kPitzerNames[] = {
    "b0",         // 0
    "b1",         // 1
    "b2",         // 2
    "c0",         // 3
    "theta",      // 4
    "lamda",      // 5
    "zeta",       // 6
    "psi",        // 7
    "macinnes",   // 8
    "macinnis",   // 9
    "mac",        // 10
    "redox",      // 11
    "pe",         // 12
    "alphas",     // 13
    "mu",         // 14
    "eta",        // 15
    "etheta",     // 16
    "use_etheta", // 17
};
constexpr int kPitzerUnlisted[] = {9, 10, 12, 16};

// 18 Cvx_KwRates
constexpr const char* kRatesNames[] = {
    "start", // 0
    "end",   // 1
};

// 19 Cvx_KwSurfaceSpecies
constexpr const char* kSurfaceSpeciesNames[] = {
    "no_check",              // 0
    "check",                 // 1
    "mb",                    // 2
    "mass_balance",          // 3
    "log_k",                 // 4
    "logk",                  // 5
    "delta_h",               // 6
    "deltah",                // 7
    "analytical_expression", // 8
    "a_e",                   // 9
    "ae",                    // 10
    "mole_balance",          // 11
    "offset",                // 12
    "add_logk",              // 13
    "add_log_k",             // 14
    "add_constant",          // 15
    "cd_music",              // 16
    "music",                 // 17
};
constexpr int kSurfaceSpeciesUnlisted[] = {2, 3, 5, 7, 9, 10, 12, 14, 17};

// 20 Cvx_KwCalculateValues
constexpr const char* kCalculateValuesNames[] = {
    "start", // 0
    "end",   // 1
    "state", // 2
};

// 21 Cvx_KwIsotopes
constexpr const char* kIsotopesNames[] = {
    "isotope",        // 0
    "total_is_major", // 1
};
constexpr int kIsotopesUnlisted[] = {1};

// 22 Cvx_KwKnobs
constexpr const char* kKnobsNames[] = {
    "iterations",            // 0
    "tolerance",             // 1
    "step_size",             // 2
    "pe_step_size",          // 3
    "scale_pure_phases",     // 4
    "diagonal_scale",        // 5
    "debug_model",           // 6
    "debug_prep",            // 7
    "debug_set",             // 8
    "debug_inverse",         // 9
    "logfile",               // 10
    "log_file",              // 11
    "debug_diffuse_layer",   // 12
    "delay_mass_water",      // 13
    "convergence_tolerance", // 14
    "numerical_derivatives", // 15
};
constexpr int kKnobsUnlisted[] = {11};

// 23 Cvx_KwLlnlAqueousModelParameters
constexpr const char* kLlnlAqueousModelParametersNames[] = {
    "temperatures",   // 0
    "temperature",    // 1
    "temp",           // 2
    "adh",            // 3
    "debye_huckel_a", // 4
    "dh_a",           // 5
    "bdh",            // 6
    "debye_huckel_b", // 7
    "dh_b",           // 8
    "bdot",           // 9
    "b_dot",          // 10
    "c_co2",          // 11
    "co2_coefs",      // 12
};
constexpr int kLlnlAqueousModelParametersUnlisted[] = {1, 2, 3, 4, 6, 7, 10, 11};

// 24 Cvx_KwDatablock
constexpr const char* kDatablockNames[] = {
    "start",    // 0
    "end",      // 1
    "origin",   // 2
    "headings", // 3
    "rowid",    // 4
    "heading",  // 5
};
constexpr int kDatablockUnlisted[] = {5};

// 25 Cvx_KwReactiveTransport
constexpr const char* kReactiveTransportNames[] = {
    "density",   // 0
    "watersink", // 1
    "update",    // 2
    "neumann",   // 3
    "dimension", // 4
};
constexpr int kReactiveTransportUnlisted[] = {0, 1, 4};

} // namespace

constexpr Cvx_IdentifierTable kSolutionSpeciesTable = {
    kSolutionSpeciesNames, kSolutionSpeciesUnlisted, {}, true};
constexpr Cvx_IdentifierTable kSolutionTable = {kSolutionNames, kSolutionUnlisted, kSolutionPlain,
                                                true};
constexpr Cvx_IdentifierTable kPhasesTable = {kPhasesNames, {}, {}, false};
constexpr Cvx_IdentifierTable kSolutionSpreadTable = {
    kSolutionSpreadNames, kSolutionSpreadUnlisted, {}, true};
constexpr Cvx_IdentifierTable kEquilibriumPhasesTable = {
    kEquilibriumPhasesNames, kEquilibriumPhasesUnlisted, kEquilibriumPhasesPlain, true};
constexpr Cvx_IdentifierTable kExchangeTable = {kExchangeNames, kExchangeUnlisted, kExchangePlain,
                                                true};
constexpr Cvx_IdentifierTable kGasPhaseTable = {kGasPhaseNames, kGasPhaseUnlisted, {}, true};
constexpr Cvx_IdentifierTable kKineticsTable = {kKineticsNames, kKineticsUnlisted, {}, true};
constexpr Cvx_IdentifierTable kSolidSolutionsTable = {
    kSolidSolutionsNames, kSolidSolutionsUnlisted, {}, true};
constexpr Cvx_IdentifierTable kSurfaceTable = {kSurfaceNames, kSurfaceUnlisted, kSurfacePlain,
                                               true};
constexpr Cvx_IdentifierTable kPrintTable = {kPrintNames, kPrintUnlisted, {}, true};
constexpr Cvx_IdentifierTable kSelectedOutputTable = {
    kSelectedOutputNames, kSelectedOutputUnlisted, {}, true};
constexpr Cvx_IdentifierTable kUserPrintTable = {kUserPrintNames, {}, {}, true};
constexpr Cvx_IdentifierTable kUserPunchTable = {kUserPunchNames, kUserPunchUnlisted, {}, true};
constexpr Cvx_IdentifierTable kExchangeSpeciesTable = {
    kExchangeSpeciesNames, kExchangeSpeciesUnlisted, {}, true};
constexpr Cvx_IdentifierTable kPitzerTable = {kPitzerNames, kPitzerUnlisted, {}, true};
constexpr Cvx_IdentifierTable kRatesTable = {kRatesNames, {}, {}, true};
constexpr Cvx_IdentifierTable kSurfaceSpeciesTable = {
    kSurfaceSpeciesNames, kSurfaceSpeciesUnlisted, {}, true};
constexpr Cvx_IdentifierTable kCalculateValuesTable = {kCalculateValuesNames, {}, {}, true};
constexpr Cvx_IdentifierTable kIsotopesTable = {kIsotopesNames, kIsotopesUnlisted, {}, true};
constexpr Cvx_IdentifierTable kKnobsTable = {kKnobsNames, kKnobsUnlisted, {}, true};
constexpr Cvx_IdentifierTable kLlnlAqueousModelParametersTable = {
    kLlnlAqueousModelParametersNames, kLlnlAqueousModelParametersUnlisted, {}, true};
constexpr Cvx_IdentifierTable kDatablockTable = {kDatablockNames, kDatablockUnlisted, {}, true};
constexpr Cvx_IdentifierTable kReactiveTransportTable = {
    kReactiveTransportNames, kReactiveTransportUnlisted, {}, true};

// Every table fills its definition with this many items, this many of them listed: a row added or
// dropped by mistake stops the build.
static_assert(Items(kSolutionSpeciesTable) == 22 && Listed(kSolutionSpeciesTable) == 15);
static_assert(Items(kSolutionTable) == 14 && Listed(kSolutionTable) == 8);
static_assert(Items(kPhasesTable) == 12 && Listed(kPhasesTable) == 12);
static_assert(Items(kSolutionSpreadTable) == 14 && Listed(kSolutionSpreadTable) == 9);
static_assert(Items(kEquilibriumPhasesTable) == 5 && Listed(kEquilibriumPhasesTable) == 2);
static_assert(Items(kExchangeTable) == 9 && Listed(kExchangeTable) == 3);
static_assert(Items(kGasPhaseTable) == 10 && Listed(kGasPhaseTable) == 7);
static_assert(Items(kKineticsTable) == 17 && Listed(kKineticsTable) == 13);
static_assert(Items(kSolidSolutionsTable) == 22 && Listed(kSolidSolutionsTable) == 16);
static_assert(Items(kSurfaceTable) == 20 && Listed(kSurfaceTable) == 10);
static_assert(Items(kPrintTable) == 40 && Listed(kPrintTable) == 26);
static_assert(Items(kSelectedOutputTable) == 49 && Listed(kSelectedOutputTable) == 30);
static_assert(Items(kUserPrintTable) == 2 && Listed(kUserPrintTable) == 2);
static_assert(Items(kUserPunchTable) == 4 && Listed(kUserPunchTable) == 3);
static_assert(Items(kExchangeSpeciesTable) == 19 && Listed(kExchangeSpeciesTable) == 11);
static_assert(Items(kPitzerTable) == 18 && Listed(kPitzerTable) == 14);
static_assert(Items(kRatesTable) == 2 && Listed(kRatesTable) == 2);
static_assert(Items(kSurfaceSpeciesTable) == 18 && Listed(kSurfaceSpeciesTable) == 9);
static_assert(Items(kCalculateValuesTable) == 3 && Listed(kCalculateValuesTable) == 3);
static_assert(Items(kIsotopesTable) == 2 && Listed(kIsotopesTable) == 1);
static_assert(Items(kKnobsTable) == 16 && Listed(kKnobsTable) == 15);
static_assert(Items(kLlnlAqueousModelParametersTable) == 13 &&
              Listed(kLlnlAqueousModelParametersTable) == 5);
static_assert(Items(kDatablockTable) == 6 && Listed(kDatablockTable) == 5);
static_assert(Items(kReactiveTransportTable) == 5 && Listed(kReactiveTransportTable) == 2);
