// PHREEQC 3's BASIC words as an editor shows them: each with its role, a signature and, for the
// functions that look a name up, what each argument names. Roles and argument types come from
// the interpreter's table (words.h); the signature and the arguments' labels are the word's help
// form (data/help/basic.tsv), the one description of its arguments; what they name is written
// here.
#include "basic/words.h"
#include "common/ascii_case.h"

#include <vxcheck/input/help.h>
#include <vxcheck/input/vocabulary.h>
#include <vxcheck/phreeqc3.h>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace vxcheck {
namespace {

using enum BasicNames;

constexpr std::string_view kTotSpecials[] = {"water", "charge"};
constexpr std::string_view kSysSpecials[] = {"elements", "phases", "aq",   "ex", "surf",
                                             "s_s",      "gas",    "equi", "kin"};
constexpr std::string_view kEdlSpecials[] = {"charge", "charge1", "charge2", "sigma", "sigma1",
                                             "sigma2", "psi",     "psi1",    "psi2",  "water"};

// What one argument names, in order; the type comes from the interpreter's table, the label
// from the help form.
struct Names {
    BasicNames names = None;
    std::span<const std::string_view> specials = {};
};

struct NamesRow {
    std::string_view word;
    std::initializer_list<Names> arguments;
};

// Only the words with an argument that names something; the arguments after the last such one
// are left out.
const NamesRow kNames[] = {
    {"act", {{AnySpecies}}},
    {"gamma", {{AnySpecies}}},
    {"lg", {{AnySpecies}}},
    {"la", {{AnySpecies}}},
    {"lm", {{AnySpecies}}},
    {"mol", {{AnySpecies}}},
    {"lk_species", {{AqueousSpecies}}},
    {"vm", {{AqueousSpecies}}},
    {"f_visc", {{AqueousSpecies}}},
    {"t_sc", {{AqueousSpecies}}},
    {"mcd_jtot", {{AqueousSpecies}}},
    {"mcd_jconc", {{AqueousSpecies}}},
    {"setdiff_c", {{AqueousSpecies}}},
    {"si", {{Phase}}},
    {"sr", {{Phase}}},
    {"lk_phase", {{Phase}}},
    {"equi", {{Phase}}},
    {"equi_delta", {{Phase}}},
    {"phase_vm", {{Phase}}},
    {"s_s", {{Phase}}},
    {"gas", {{Gas}}},
    {"pr_p", {{Gas}}},
    {"pr_phi", {{Gas}}},
    {"tot", {{Element, kTotSpecials}}},
    {"totmol", {{Element}}},
    {"totmole", {{Element}}},
    {"totmoles", {{Element}}},
    {"kin", {{Rate}}},
    {"kin_delta", {{Rate}}},
    {"sys", {{Element, kSysSpecials}}},
    {"surf", {{Element}, {SurfaceName}}},
    {"edl", {{Element, kEdlSpecials}, {SurfaceName}}},
    {"edl_species", {{SurfaceName}}},
    {"sum_species", {{}, {Element}}},
    {"sum_gas", {{}, {Element}}},
    {"sum_s_s", {{}, {Element}}},
    {"calc_value", {{CalculatedValue}}},
    {"phase_formula", {{Phase}}},
    {"phase_formula$", {{Phase}}},
    {"phase_equation", {{Phase}}},
    {"phase_equation$", {{Phase}}},
    {"species_formula", {{AnySpecies}}},
    {"species_formula$", {{AnySpecies}}},
    {"species_equation", {{AnySpecies}}},
    {"species_equation$", {{AnySpecies}}},
    {"kinetics_formula", {{Rate}}},
    {"kinetics_formula$", {{Rate}}},
    {"eq_frac", {{AnySpecies}}},
    {"equiv_frac", {{AnySpecies}}},
};

// The label of an argument that the help form does not show, by its type.
std::string_view DefaultLabel(char type) {
    switch (type) {
    case 'n':
        return "x";
    case 's':
        return "text$";
    case 'v':
        return "n";
    case 'w':
        return "names$";
    default:
        return "value";
    }
}

// One argument per type the interpreter reads, labelled as the help form writes it.
std::vector<BasicArgument> ArgumentsOf(const basic::BasicWord& word, const BasicHelp* help) {
    std::vector<BasicArgument> arguments;
    if (word.form != basic::ArgForm::Factor && word.form != basic::ArgForm::Call) {
        return arguments;
    }
    const NamesRow* row = nullptr;
    for (const NamesRow& candidate : kNames) {
        row = candidate.word == word.name ? &candidate : row;
    }
    const std::vector<std::string_view> labels =
        help != nullptr ? BasicParameters(*help) : std::vector<std::string_view>();
    std::string_view types = word.args;
    types = !types.empty() && types.back() == '*' ? types.substr(0, types.size() - 1) : types;
    for (std::size_t index = 0; index < types.size(); ++index) {
        BasicArgument argument;
        argument.type = types[index];
        argument.label = index < labels.size() && labels[index] != "..."
                             ? labels[index]
                             : DefaultLabel(argument.type);
        if (row != nullptr && index < row->arguments.size()) {
            const Names& names = *(row->arguments.begin() + static_cast<std::ptrdiff_t>(index));
            argument.names = names.names;
            argument.specials = names.specials;
        }
        argument.optional = static_cast<int>(index) >= word.minArgs;
        arguments.push_back(argument);
    }
    return arguments;
}

BasicRole RoleOf(basic::WordRole role) {
    switch (role) {
    case basic::WordRole::Statement:
        return BasicRole::Statement;
    case basic::WordRole::Operator:
        return BasicRole::Operator;
    case basic::WordRole::Clause:
        return BasicRole::Clause;
    default:
        return BasicRole::Function;
    }
}

const std::vector<BasicWordInfo>& Words() {
    static const std::vector<BasicWordInfo> words = [] {
        std::vector<BasicWordInfo> list;
        for (const Phreeqc3BasicWord& token : Phreeqc3BasicWords()) {
            const basic::BasicWord* word = basic::FindWord(token.token);
            if (token.isOperator || word == nullptr) {
                continue; // "go to", a two-word spelling that the tokenizer never reads
            }
            const BasicHelp* help = FindBasicHelp(word->name);
            std::vector<BasicArgument> arguments = ArgumentsOf(*word, help);
            std::string signature =
                help != nullptr ? std::string(help->form) : UpperWord(word->name);
            list.push_back(
                {word->name, RoleOf(word->role), std::move(signature), std::move(arguments)});
        }
        std::sort(list.begin(), list.end(),
                  [](const BasicWordInfo& a, const BasicWordInfo& b) { return a.name < b.name; });
        return list;
    }();
    return words;
}

} // namespace

std::span<const BasicWordInfo> BasicVocabulary() {
    return Words();
}

const BasicWordInfo* FindBasicWord(std::string_view name) {
    const std::string lower = LowerWord(name);
    const std::vector<BasicWordInfo>& words = Words();
    auto found = std::lower_bound(
        words.begin(), words.end(), lower,
        [](const BasicWordInfo& word, const std::string& key) { return word.name < key; });
    return found != words.end() && found->name == lower ? &*found : nullptr;
}

} // namespace vxcheck
