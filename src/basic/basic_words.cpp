// The table of PHREEQC's BASIC words (its interpreter's token list), with each function's
// signature as its interpreter reads the arguments.
#include "basic/words.h"

#include "lint/suggest.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vxcheck::basic {
namespace {

using enum WordRole;
using enum ArgForm;
constexpr ValueType N = ValueType::Number;
constexpr ValueType S = ValueType::String;
constexpr ValueType U = ValueType::Unknown;
constexpr std::optional<NameKind> kPhase = NameKind::Phase;
constexpr std::optional<NameKind> kElement = NameKind::Element;
constexpr std::optional<NameKind> kSpecies = NameKind::AqueousSpecies;
constexpr std::optional<NameKind> kRate = NameKind::Rate;

// Words whose arguments we do not judge (Loose) are those whose reading we are not sure of.
const BasicWord kWords[] = {
    // Operators and the parts of statements.
    {"and", Operator},
    {"or", Operator},
    {"xor", Operator},
    {"not", Operator},
    {"mod", Operator},
    {"then", Clause},
    {"else", Clause},
    {"to", Clause},
    {"step", Clause},
    // Statements.
    {"let", Statement},
    {"input", Statement},
    {"goto", Statement},
    {"if", Statement},
    {"end", Statement},
    {"stop", Statement},
    {"for", Statement},
    {"next", Statement},
    {"while", Statement},
    {"wend", Statement},
    {"gosub", Statement},
    {"return", Statement},
    {"read", Statement},
    {"data", Statement},
    {"restore", Statement},
    {"gotoxy", Statement},
    {"on", Statement},
    {"dim", Statement},
    {"erase", Statement},
    {"poke", Statement},
    {"list", Statement},
    {"run", Statement},
    {"new", Statement},
    {"load", Statement},
    {"merge", Statement},
    {"save", Statement},
    {"bye", Statement},
    {"quit", Statement},
    {"del", Statement},
    {"renum", Statement},
    {"rem", Statement},
    {"print", Statement},
    {"punch", Statement},
    {"put", Statement},
    {"put$", Statement},
    {"change_por", Statement},
    {"change_surf", Statement},
    {"graph_x", Statement},
    {"graph_y", Statement},
    {"graph_sy", Statement},
    {"plot_xy", Statement},
    // Functions of numbers.
    {"sqr", Function, Factor, "n", 1, N},
    {"sqrt", Function, Factor, "n", 1, N},
    {"ceil", Function, Factor, "n", 1, N},
    {"floor", Function, Factor, "n", 1, N},
    {"sin", Function, Factor, "n", 1, N},
    {"cos", Function, Factor, "n", 1, N},
    {"tan", Function, Factor, "n", 1, N},
    {"arctan", Function, Factor, "n", 1, N},
    {"log", Function, Factor, "n", 1, N},
    {"log10", Function, Factor, "n", 1, N},
    {"exp", Function, Factor, "n", 1, N},
    {"abs", Function, Factor, "n", 1, N},
    {"sgn", Function, Factor, "n", 1, N},
    {"peek", Function, Factor, "n", 1, N},
    {"parm", Function, Factor, "n", 1, N},
    {"get_por", Function, Factor, "n", 1, N},
    {"str$", Function, Factor, "n", 1, S},
    {"chr$", Function, Factor, "n", 1, S},
    {"str_e$", Function, Call, "nnn", 3, S},
    {"str_f$", Function, Call, "nnn", 3, S},
    {"sa_declercq", Function, Call, "nnnnnn", 6, N},
    {"callback", Function, Call, "nns", 3, N},
    // Functions of strings.
    {"val", Function, Factor, "s", 1, U},
    {"asc", Function, Factor, "s", 1, N},
    {"len", Function, Factor, "s", 1, N},
    {"mid$", Function, Call, "snn", 2, S},
    {"instr", Function, Call, "ss", 2, N},
    {"ltrim", Function, Call, "s", 1, S},
    {"rtrim", Function, Call, "s", 1, S},
    {"trim", Function, Call, "s", 1, S},
    {"pad", Function, Call, "sn", 2, S},
    {"pad$", Function, Call, "sn", 2, S},
    {"eol$", Function, None, "", 0, S},
    {"eol_notab$", Function, None, "", 0, S},
    {"no_newline$", Function, None, "", 0, S},
    {"description", Function, None, "", 0, S},
    {"title", Function, None, "", 0, S},
    // The state of the calculation.
    {"alk", Function, None, "", 0, N},
    {"cell_no", Function, None, "", 0, N},
    {"charge_balance", Function, None, "", 0, N},
    {"dist", Function, None, "", 0, N},
    {"eps_r", Function, None, "", 0, N},
    {"gas_p", Function, None, "", 0, N},
    {"gas_vm", Function, None, "", 0, N},
    {"iterations", Function, None, "", 0, N},
    {"kappa", Function, None, "", 0, N},
    {"kin_time", Function, None, "", 0, N},
    {"m", Function, None, "", 0, N},
    {"m0", Function, None, "", 0, N},
    {"mu", Function, None, "", 0, N},
    {"osmotic", Function, None, "", 0, N},
    {"percent_error", Function, None, "", 0, N},
    {"pot_v", Function, None, "", 0, N},
    {"pressure", Function, None, "", 0, N},
    {"qbrn", Function, None, "", 0, N},
    {"rho", Function, None, "", 0, N},
    {"rho_0", Function, None, "", 0, N},
    {"rxn", Function, None, "", 0, N},
    {"sc", Function, None, "", 0, N},
    {"sim_no", Function, None, "", 0, N},
    {"sim_time", Function, None, "", 0, N},
    {"soln_vol", Function, None, "", 0, N},
    {"step_no", Function, None, "", 0, N},
    {"tc", Function, None, "", 0, N},
    {"tk", Function, None, "", 0, N},
    {"time", Function, None, "", 0, N},
    {"total_time", Function, None, "", 0, N},
    {"viscos", Function, None, "", 0, N},
    {"viscos_0", Function, None, "", 0, N},
    {"dh_a", Function, None, "", 0, N},
    {"dh_b", Function, None, "", 0, N},
    {"dh_av", Function, None, "", 0, N},
    {"cell_pore_volume", Function, None, "", 0, N},
    {"porevolume", Function, None, "", 0, N},
    {"cell_porosity", Function, None, "", 0, N},
    {"cell_saturation", Function, None, "", 0, N},
    {"cell_volume", Function, None, "", 0, N},
    {"transport_cell_no", Function, None, "", 0, N},
    {"velocity_x", Function, None, "", 0, N},
    {"velocity_y", Function, None, "", 0, N},
    {"velocity_z", Function, None, "", 0, N},
    // Chemistry by name.
    {"act", Function, Factor, "s", 1, N, kSpecies},
    {"gamma", Function, Factor, "s", 1, N, kSpecies},
    {"lg", Function, Factor, "s", 1, N, kSpecies},
    {"la", Function, Factor, "s", 1, N, kSpecies},
    {"lm", Function, Factor, "s", 1, N, kSpecies},
    {"mol", Function, Factor, "s", 1, N, kSpecies},
    {"lk_species", Function, Factor, "s", 1, N, kSpecies},
    {"vm", Function, Factor, "s", 1, N},
    {"si", Function, Factor, "s", 1, N, kPhase},
    {"sr", Function, Factor, "s", 1, N, kPhase},
    {"lk_phase", Function, Factor, "s", 1, N, kPhase},
    {"equi", Function, Factor, "s", 1, N, kPhase},
    {"equi_delta", Function, Factor, "s", 1, N, kPhase},
    {"gas", Function, Factor, "s", 1, N, kPhase},
    {"tot", Function, Factor, "s", 1, N, kElement},
    {"totmol", Function, Factor, "s", 1, N, kElement},
    {"totmole", Function, Factor, "s", 1, N, kElement},
    {"totmoles", Function, Factor, "s", 1, N, kElement},
    {"kin", Function, Factor, "s", 1, N, kRate},
    {"kin_delta", Function, Factor, "s", 1, N, kRate},
    {"lk_named", Function, Factor, "s", 1, N},
    {"s_s", Function, Factor, "s", 1, N},
    {"misc1", Function, Factor, "s", 1, N},
    {"misc2", Function, Factor, "s", 1, N},
    {"iso", Function, Factor, "s", 1, N},
    {"gfw", Function, Factor, "s", 1, N},
    {"phase_vm", Function, Factor, "s", 1, N},
    {"pr_p", Function, Factor, "s", 1, N},
    {"pr_phi", Function, Factor, "s", 1, N},
    {"t_sc", Function, Factor, "s", 1, N},
    {"f_visc", Function, Factor, "s", 1, N},
    {"mcd_jtot", Function, Factor, "s", 1, N},
    {"mcd_jconc", Function, Factor, "s", 1, N},
    {"iso_unit", Function, Call, "s", 1, S},
    {"calc_value", Function, Call, "s", 1, N},
    {"edl", Function, Call, "ss", 1, N},
    {"surf", Function, Call, "ss", 1, N},
    {"sum_species", Function, Call, "ss", 1, N},
    {"sum_gas", Function, Call, "ss", 1, N},
    {"sum_s_s", Function, Call, "ss", 1, N},
    {"setdiff_c", Function, Call, "snn", 2, N},
    {"rate_pk", Function, Call, "s", 1, N},
    {"rate_svd", Function, Call, "s", 1, N},
    {"rate_hermanska", Function, Call, "s", 1, N},
    {"meang", Function, Call, "s", 1, N},
    {"sys", Function, Call, "svwwvn", 1, N},
    {"list_s_s", Function, Call, "svwv", 4, N},
    {"edl_species", Function, Call, "svwvvv", 6, N},
    {"eq_frac", Function, Call, "svw", 3, N},
    {"equiv_frac", Function, Call, "svw", 3, N},
    {"phase_formula", Function, Call, "svwv", 1, S},
    {"phase_formula$", Function, Call, "svwv", 1, S},
    {"kinetics_formula", Function, Call, "svwv", 1, S},
    {"kinetics_formula$", Function, Call, "svwv", 1, S},
    {"species_formula", Function, Call, "svwv", 4, S},
    {"species_formula$", Function, Call, "svwv", 4, S},
    {"phase_equation", Function, Call, "svwv", 4, S},
    {"phase_equation$", Function, Call, "svwv", 4, S},
    {"species_equation", Function, Call, "svwv", 4, S},
    {"species_equation$", Function, Call, "svwv", 4, S},
    {"get", Function, Call, "n*", 0, N},
    {"get$", Function, Call, "n*", 0, U},
    {"exists", Function, Call, "n*", 0, N},
    // Words whose reading is not judged.
    {"add_heading", Function},
    {"aphi", Function},
    {"current_a", Function},
    {"debye_length", Function},
    {"delta_h_phase", Function},
    {"delta_h_species", Function},
    {"dh_a0", Function},
    {"dh_bdot", Function},
    {"diff_c", Function},
};

// Every line of a program looks up each of its words, so the table is an open-addressed array
// with a cheap hash rather than a general map.
constexpr std::size_t kSlots = 1024; // a power of two, over four times the words

std::size_t Hash(std::string_view name) {
    std::size_t hash = name.size();
    for (const char c : name) {
        hash = hash * 31 + static_cast<unsigned char>(c);
    }
    return hash & (kSlots - 1);
}

const std::array<const BasicWord*, kSlots>& Slots() {
    static const auto slots = [] {
        std::array<const BasicWord*, kSlots> table{};
        for (const BasicWord& word : kWords) {
            std::size_t slot = Hash(word.name);
            while (table[slot] != nullptr) {
                slot = (slot + 1) & (kSlots - 1);
            }
            table[slot] = &word;
        }
        return table;
    }();
    return slots;
}

} // namespace

const BasicWord* FindWord(std::string_view lowerName) {
    const auto& slots = Slots();
    for (std::size_t slot = Hash(lowerName); slots[slot] != nullptr;
         slot = (slot + 1) & (kSlots - 1)) {
        if (slots[slot]->name == lowerName) {
            return slots[slot];
        }
    }
    return nullptr;
}

std::optional<std::string_view> ClosestFunction(std::string_view name) {
    static const std::vector<std::string_view> functions = [] {
        std::vector<std::string_view> names;
        for (const BasicWord& word : kWords) {
            if (word.role == Function && word.form != None) {
                names.push_back(word.name);
            }
        }
        return names;
    }();
    return ClosestWord(name, functions);
}

} // namespace vxcheck::basic
