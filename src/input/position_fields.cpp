// Fields whose kind depends on the words before them: a concentration's tail in SOLUTION, an
// exchanger or surface tied to a phase or a kinetic reactant, EQUILIBRIUM_PHASES' alternative
// formula and its dissolve_only, the "in N steps" of REACTION and its temperature and pressure,
// the lines of INVERSE_MODELING's -phases and -balances, and the options that take true or false.
#include "input/position_fields.h"

#include "input/keywords.h"

#include <algorithm>
#include <iterator>

namespace vxcheck {
namespace {

using E = Expected;

constexpr std::string_view kReactantLinks[] = {"equilibrium_phase", "kinetic_reactant"};
constexpr std::string_view kPhaseLimits[] = {"dissolve_only", "precipitate_only"};
constexpr std::string_view kIn[] = {"in"};
// What INVERSE_MODELING allows a phase of -phases to do (PHREEQC reads the first letter);
// "force" keeps it in every model.
constexpr std::string_view kPh[] = {"ph"}; // -balances also takes pH's uncertainty
constexpr std::string_view kInverseConstraints[] = {"precip", "dissolve", "force"};
constexpr std::string_view kSteps[] = {"steps"};
// REACTION's amounts: a unit or "in" after the numbers.
constexpr std::string_view kReactionUnits[] = {"in",   "mol",   "mmol",       "umol",
                                               "mole", "moles", "millimoles", "micromoles"};

// The options that take true or false, by block (their other spellings included).
constexpr std::string_view kBoolAdvection[] = {"warning", "warnings"};
constexpr std::string_view kBoolDump[] = {"append"};
constexpr std::string_view kBoolExchange[] = {"exchange_gammas", "gammas",
                                              "pitzer_exchange_gammas"};
constexpr std::string_view kBoolInverseModeling[] = {"mineral_water", "minimal", "minimum",
                                                     "multiple_precision"};
constexpr std::string_view kBoolIsotopes[] = {"total_is_major"};
constexpr std::string_view kBoolKinetics[] = {"cvode"};
constexpr std::string_view kBoolKnobs[] = {"debug_diffuse_layer",
                                           "debug_inverse",
                                           "debug_mass_action",
                                           "debug_mass_balance",
                                           "debug_model",
                                           "debug_prep",
                                           "debug_set",
                                           "delay_mass_water",
                                           "diagonal_scale",
                                           "force_numerical_fixed_volume",
                                           "log_file",
                                           "logfile",
                                           "numerical_derivatives",
                                           "numerical_fixed_volume",
                                           "scale_pure_phases"};
constexpr std::string_view kBoolLlnlAqueousModelParameters[] = {"use_phreeqc_dha_dhb"};
constexpr std::string_view kBoolPitzer[] = {"etheta", "mac",   "macinnes",  "macinnis",
                                            "pe",     "redox", "use_etheta"};
constexpr std::string_view kBoolPrint[] = {"alkalinity",
                                           "dump",
                                           "echo_input",
                                           "eh",
                                           "equilibria",
                                           "equilibrium",
                                           "equilibrium_phase",
                                           "equilibrium_phases",
                                           "exchange",
                                           "gas_phase",
                                           "heading",
                                           "headings",
                                           "high_precision",
                                           "initial_isotopes",
                                           "inverse",
                                           "inverse_modeling",
                                           "isotope_alphas",
                                           "isotope_ratios",
                                           "kinetics",
                                           "mix",
                                           "other",
                                           "pure",
                                           "pure_phase",
                                           "reaction",
                                           "reset",
                                           "saturation_indices",
                                           "selected_output",
                                           "si",
                                           "solid_solution",
                                           "solid_solutions",
                                           "species",
                                           "status",
                                           "surface",
                                           "totals",
                                           "use",
                                           "user_graph",
                                           "user_pr",
                                           "user_print"};
constexpr std::string_view kBoolSelectedOutput[] = {"active",
                                                    "alk",
                                                    "alkalinity",
                                                    "charge_balance",
                                                    "dist",
                                                    "distance",
                                                    "high_precision",
                                                    "inverse",
                                                    "inverse_modeling",
                                                    "ionic_strength",
                                                    "mu",
                                                    "new_line",
                                                    "pe",
                                                    "percent_error",
                                                    "ph",
                                                    "reaction",
                                                    "reset",
                                                    "rxn",
                                                    "selected_out",
                                                    "selected_output",
                                                    "sim",
                                                    "simulation",
                                                    "soln",
                                                    "solution",
                                                    "state",
                                                    "step",
                                                    "temp",
                                                    "temperature",
                                                    "time",
                                                    "user_punch",
                                                    "water"};
constexpr std::string_view kBoolSurface[] = {"only_counter_ions"};
constexpr std::string_view kBoolTransport[] = {
    "correct_disp", "implicit", "interlayer_d", "multi_d", "same_model", "warning", "warnings"};
constexpr std::string_view kBoolUserGraph[] = {"active", "connect_simulations", "initial_solutions",
                                               "shifts_as_points"};

struct BooleanOptions {
    std::string_view block;
    std::span<const std::string_view> options;
};
constexpr BooleanOptions kBooleanOptions[] = {
    {"advection", kBoolAdvection},
    {"dump", kBoolDump},
    {"exchange", kBoolExchange},
    {"inverse_modeling", kBoolInverseModeling},
    {"isotopes", kBoolIsotopes},
    {"kinetics", kBoolKinetics},
    {"knobs", kBoolKnobs},
    {"llnl_aqueous_model_parameters", kBoolLlnlAqueousModelParameters},
    {"pitzer", kBoolPitzer},
    {"print", kBoolPrint},
    {"selected_output", kBoolSelectedOutput},
    {"surface", kBoolSurface},
    {"transport", kBoolTransport},
    {"user_graph", kBoolUserGraph},
};
constexpr std::string_view kTrueFalse[] = {"true", "false"};

// A word PHREEQC's tokenizer takes for a number: it starts with a digit, or with a sign or a
// point that a digit or point follows.
bool IsNumberWord(std::string_view word) {
    auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    if (word.empty()) {
        return false;
    }
    if (digit(word[0])) {
        return true;
    }
    return word.size() > 1 && (word[0] == '+' || word[0] == '-' || word[0] == '.') &&
           (digit(word[1]) || word[1] == '.');
}

bool IsBoolean(std::string_view block, std::string_view option) {
    for (const BooleanOptions& row : kBooleanOptions) {
        if (row.block == block) {
            return std::find(row.options.begin(), row.options.end(), option) != row.options.end();
        }
    }
    return false;
}

class Fields {
  public:
    Fields(const InputStatement* statement, std::size_t word, InputPosition& position)
        : m_statement(statement), m_word(word), m_position(position) {}

    std::vector<Expected> For(const LineShape& line) {
        const std::string_view block = line.block;
        if (line.optionLine) {
            return OptionField(block, line.option);
        }
        if (block == "inverse_modeling") {
            return Inverse(line.continued);
        }
        if (m_word == 0) {
            return {};
        }
        if (block == "solution") {
            return SolutionTail();
        }
        if (block == "exchange" || block == "surface") {
            return TiedToReactant(block == "surface");
        }
        if (block == "equilibrium_phases") {
            return PhaseTail();
        }
        if (block == "reaction" && IsNumberWord(Word(0))) {
            return Steps(kReactionUnits);
        }
        if (block == "reaction_temperature" || block == "reaction_pressure") {
            return Steps(kIn);
        }
        return {};
    }

  private:
    std::string Word(std::size_t index) const {
        return m_statement != nullptr && index < m_statement->words.size()
                   ? LowerWord(m_statement->Word(index))
                   : "";
    }
    std::string Previous() const { return Word(m_word - 1); }

    std::vector<Expected> Literal(std::span<const std::string_view> words,
                                  std::vector<Expected> also = {}) {
        m_position.literals = words;
        also.insert(also.begin(), E::Literal);
        return also;
    }

    // "Ca 1 mg/l as CaCO3", "C 2 charge", "C(4) 1 CO2(g) -3.5", "Mn 0.0002 pe", "U 3 ppb
    // N(5)/N(-3)".
    std::vector<Expected> SolutionTail() const {
        if (m_word < 2) {
            return {};
        }
        const std::string previous = Previous();
        if (previous == "as") {
            return {E::Species, E::Formula};
        }
        const bool afterUnits = IsUnits(previous);
        if (previous == "gfw" || (m_word == 3 && !afterUnits)) {
            return {E::Number};
        }
        if (m_word == 2 || afterUnits) {
            std::vector<Expected> expected = {E::ConcentrationTail, E::Phase, E::RedoxCouple};
            if (m_word == 2) {
                expected.insert(expected.begin(), E::Units);
            }
            return expected;
        }
        return {E::Text};
    }

    // "X 0.1", "CaX2 Calcite equilibrium_phase 0.1", "Hfo_wOH Calcite kinetic_reactant 0.2 5e4":
    // a number of sites, or a phase or rate whose amount the sites follow.
    std::vector<Expected> TiedToReactant(bool surface) {
        if (m_word == 1) {
            const std::string link = Word(2);
            if (link.starts_with('k')) {
                return {E::RateName};
            }
            if (link.starts_with('e')) {
                return {E::Phase};
            }
            return {E::Number, E::Phase, E::RateName};
        }
        const bool tied = m_word >= 2 && !IsNumberWord(Word(1));
        if (m_word == 2 && tied) {
            return Literal(kReactantLinks, {E::Number});
        }
        if (m_word == 2 && !surface) {
            return {E::RateName}; // an exchanger's amount, then the rate it follows
        }
        return {E::Number};
    }

    // "Calcite 0 10", "Gypsum 0 Anhydrite 1 precipitate_only", "Dolomite 0 CaMg(CO3)2 0.1".
    std::vector<Expected> PhaseTail() {
        if (m_word < 2) {
            return {};
        }
        if (m_word == 2) {
            return Literal(kPhaseLimits, {E::Number, E::Phase, E::Formula});
        }
        return Literal(kPhaseLimits, {E::Number});
    }

    std::vector<Expected> OptionField(std::string_view block, std::string_view option) {
        if (m_word == 1 && IsBoolean(block, option)) {
            return Literal(kTrueFalse);
        }
        // "-equilibrate 1" (or "with solution 1"): the solution an exchanger, surface or gas
        // phase is first brought to equilibrium with.
        if (m_word >= 1 && option.starts_with("equil") &&
            (block == "exchange" || block == "surface" || block == "gas_phase")) {
            m_position.entity = "solution";
            return {E::EntityNumber, E::Text};
        }
        // KINETICS' "-formula CaCO3 1 CO2 1": formulas or phases, each with its coefficient.
        if (m_word >= 1 && block == "kinetics" && option == "formula") {
            return m_word % 2 == 1 ? std::vector<Expected>{E::Phase, E::Formula}
                                   : std::vector<Expected>{E::Number};
        }
        return {};
    }

    // The lines after -phases ("Calcite precip 13C 2 1") and -balances ("Ca 0.05 0.1").
    std::vector<Expected> Inverse(std::string_view continued) {
        if (continued == "phases") {
            return m_word == 0 ? std::vector<Expected>{E::Phase}
                               : Literal(kInverseConstraints, {E::Text});
        }
        if (continued == "balances") {
            return m_word == 0 ? Literal(kPh, {E::Element}) : std::vector<Expected>{E::Number};
        }
        return {};
    }

    // "2 mmol in 3 steps", "15 25 in 3 steps": numbers, then optionally "in", a count and "steps".
    std::vector<Expected> Steps(std::span<const std::string_view> afterNumbers) {
        if (m_word == 0) {
            return {};
        }
        const std::string previous = Previous();
        if (previous == "in") {
            return {E::Number};
        }
        if (IsNumberWord(previous) && m_word >= 2 && Word(m_word - 2) == "in") {
            return Literal(kSteps);
        }
        if (IsNumberWord(previous)) {
            return Literal(afterNumbers, {E::Number});
        }
        if (previous != "steps") {
            return Literal(kIn);
        }
        return {E::Text};
    }

    const InputStatement* m_statement;
    std::size_t m_word;
    InputPosition& m_position;
};

} // namespace

bool IsUnits(std::string_view word) {
    const std::string lower = LowerWord(word);
    const auto units = ConcentrationUnits();
    return std::find(units.begin(), units.end(), lower) != units.end();
}

std::vector<Expected> DependentField(const InputStatement* statement, const LineShape& line,
                                     std::size_t word, InputPosition& position) {
    return Fields(statement, word, position).For(line);
}

} // namespace vxcheck
