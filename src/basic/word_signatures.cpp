// PHREEQC 3's BASIC words as an editor shows them: each with its role, a signature and, for the
// functions that look a name up, what each argument names. Roles and argument types come from
// the interpreter's table (words.h); the labels and names are written here.
#include "basic/words.h"
#include "common/ascii_case.h"

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

// One argument's label and names; the type comes from the interpreter's table.
struct Label {
    std::string_view label;
    BasicNames names = None;
    std::span<const std::string_view> specials = {};
};

struct LabelRow {
    std::string_view word;
    std::initializer_list<Label> labels;
};

const LabelRow kLabels[] = {
    {"act", {{"species$", AnySpecies}}},
    {"gamma", {{"species$", AnySpecies}}},
    {"lg", {{"species$", AnySpecies}}},
    {"la", {{"species$", AnySpecies}}},
    {"lm", {{"species$", AnySpecies}}},
    {"mol", {{"species$", AnySpecies}}},
    {"lk_species", {{"species$", AqueousSpecies}}},
    {"vm", {{"species$", AqueousSpecies}}},
    {"f_visc", {{"species$", AqueousSpecies}}},
    {"t_sc", {{"species$", AqueousSpecies}}},
    {"mcd_jtot", {{"species$", AqueousSpecies}}},
    {"mcd_jconc", {{"species$", AqueousSpecies}}},
    {"setdiff_c", {{"species$", AqueousSpecies}, {"dw"}, {"dw_t"}}},
    {"si", {{"phase$", Phase}}},
    {"sr", {{"phase$", Phase}}},
    {"lk_phase", {{"phase$", Phase}}},
    {"equi", {{"phase$", Phase}}},
    {"equi_delta", {{"phase$", Phase}}},
    {"phase_vm", {{"phase$", Phase}}},
    {"s_s", {{"component$", Phase}}},
    {"gas", {{"gas$", Gas}}},
    {"pr_p", {{"gas$", Gas}}},
    {"pr_phi", {{"gas$", Gas}}},
    {"tot", {{"element$", Element, kTotSpecials}}},
    {"totmol", {{"element$", Element}}},
    {"totmole", {{"element$", Element}}},
    {"totmoles", {{"element$", Element}}},
    {"kin", {{"reactant$", Rate}}},
    {"kin_delta", {{"reactant$", Rate}}},
    {"sys",
     {{"element$", Element, kSysSpecials}, {"count"}, {"names$"}, {"types$"}, {"moles"}, {"sort"}}},
    {"surf", {{"element$", Element}, {"surface$", SurfaceName}}},
    {"edl", {{"element$", Element, kEdlSpecials}, {"surface$", SurfaceName}}},
    {"edl_species",
     {{"surface$", SurfaceName}, {"count"}, {"names$"}, {"moles"}, {"area"}, {"thickness"}}},
    {"sum_species", {{"template$"}, {"element$", Element}}},
    {"sum_gas", {{"template$"}, {"element$", Element}}},
    {"sum_s_s", {{"template$"}, {"element$", Element}}},
    {"calc_value", {{"name$", CalculatedValue}}},
    {"phase_formula", {{"phase$", Phase}, {"count"}, {"elements$"}, {"coefficients"}}},
    {"phase_formula$", {{"phase$", Phase}, {"count"}, {"elements$"}, {"coefficients"}}},
    {"phase_equation", {{"phase$", Phase}, {"count"}, {"species$"}, {"coefficients"}}},
    {"phase_equation$", {{"phase$", Phase}, {"count"}, {"species$"}, {"coefficients"}}},
    {"species_formula", {{"species$", AnySpecies}, {"count"}, {"elements$"}, {"coefficients"}}},
    {"species_formula$", {{"species$", AnySpecies}, {"count"}, {"elements$"}, {"coefficients"}}},
    {"species_equation", {{"species$", AnySpecies}, {"count"}, {"species$"}, {"coefficients"}}},
    {"species_equation$", {{"species$", AnySpecies}, {"count"}, {"species$"}, {"coefficients"}}},
    {"kinetics_formula", {{"reactant$", Rate}, {"count"}, {"elements$"}, {"coefficients"}}},
    {"kinetics_formula$", {{"reactant$", Rate}, {"count"}, {"elements$"}, {"coefficients"}}},
    {"eq_frac", {{"species$", AnySpecies}, {"equivalents"}, {"exchanger$"}}},
    {"equiv_frac", {{"species$", AnySpecies}, {"equivalents"}, {"exchanger$"}}},
    {"list_s_s", {{"solid_solution$"}, {"count"}, {"names$"}, {"moles"}}},
    {"mid$", {{"text$"}, {"start"}, {"count"}}},
    {"instr", {{"text$"}, {"find$"}}},
    {"pad", {{"text$"}, {"width"}}},
    {"pad$", {{"text$"}, {"width"}}},
    {"str_e$", {{"x"}, {"width"}, {"digits"}}},
    {"str_f$", {{"x"}, {"width"}, {"digits"}}},
    {"iso", {{"isotope$"}}},
    {"iso_unit", {{"isotope$"}}},
    {"gfw", {{"formula$"}}},
    {"parm", {{"i"}}},
    {"get_por", {{"cell"}}},
    {"get", {{"i"}}},
    {"get$", {{"i"}}},
    {"exists", {{"i"}}},
};

// Statements whose form a bare name does not show.
struct StatementForm {
    std::string_view word;
    std::string_view form;
};
constexpr StatementForm kStatementForms[] = {
    {"dim", "DIM var(n[, ...])"},
    {"for", "FOR var = first TO last [STEP step]"},
    {"gosub", "GOSUB line"},
    {"goto", "GOTO line"},
    {"if", "IF condition THEN ... [ELSE ...]"},
    {"let", "LET var = expression"},
    {"on", "ON n GOTO line[, line ...]"},
    {"print", "PRINT expression[, expression ...]"},
    {"punch", "PUNCH expression[, expression ...]"},
    {"put", "PUT(x, i[, ...])"},
    {"put$", "PUT$(text$, i[, ...])"},
    {"restore", "RESTORE [line]"},
};

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

std::vector<BasicArgument> ArgumentsOf(const basic::BasicWord& word) {
    std::vector<BasicArgument> arguments;
    if (word.form != basic::ArgForm::Factor && word.form != basic::ArgForm::Call) {
        return arguments;
    }
    const LabelRow* row = nullptr;
    for (const LabelRow& candidate : kLabels) {
        row = candidate.word == word.name ? &candidate : row;
    }
    std::string_view types = word.args;
    const bool repeats = !types.empty() && types.back() == '*';
    types = repeats ? types.substr(0, types.size() - 1) : types;
    for (std::size_t index = 0; index < types.size(); ++index) {
        BasicArgument argument;
        argument.type = types[index];
        argument.label = DefaultLabel(argument.type);
        if (row != nullptr && index < row->labels.size()) {
            const Label& label = *(row->labels.begin() + static_cast<std::ptrdiff_t>(index));
            argument.label = label.label;
            argument.names = label.names;
            argument.specials = label.specials;
        }
        argument.optional = static_cast<int>(index) >= word.minArgs;
        arguments.push_back(argument);
    }
    return arguments;
}

std::string SignatureOf(const basic::BasicWord& word, const std::vector<BasicArgument>& arguments) {
    for (const StatementForm& form : kStatementForms) {
        if (form.word == word.name) {
            return std::string(form.form);
        }
    }
    std::string text = UpperWord(word.name);
    if (word.form == basic::ArgForm::Loose && word.role == basic::WordRole::Function) {
        return text + "(...)";
    }
    if (arguments.empty() && word.form != basic::ArgForm::Call) {
        return text;
    }
    text += '(';
    std::size_t closing = 0;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        if (arguments[index].optional) {
            text += '[';
            ++closing;
        }
        text += index > 0 ? ", " : "";
        text += arguments[index].label;
    }
    if (!word.args.empty() && word.args.back() == '*') {
        text += arguments.empty() ? "..." : ", ...";
    }
    return text + std::string(closing, ']') + ')';
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
            std::vector<BasicArgument> arguments = ArgumentsOf(*word);
            std::string signature = SignatureOf(*word, arguments);
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
