// NameTable::BeginBlock and Collect: what each statement of a defining block defines, read as
// PHREEQC reads these blocks.
#include <vxcheck/input/chemistry.h>
#include <vxcheck/input/names.h>

#include "names/name_table_impl.h"

#include <algorithm>

namespace vxcheck {

namespace {

// The statement's words joined by blanks: an equation as written, less its spacing.
std::string Joined(std::span<const std::string_view> words) {
    std::string text;
    for (const std::string_view word : words) {
        text += (text.empty() ? "" : " ") + std::string(word);
    }
    return text;
}

// The species an equation defines (the first on its right side), or "" when it does not read.
std::string DefinedSpecies(const std::string& equation) {
    const std::optional<Reaction> reaction = ParseReaction(equation);
    return reaction ? reaction->right.front().species : "";
}

// A phase's formula: the first term of its equation without "(g)" or "(s)" ("CO2(g)" is CO2).
std::string PhaseFormula(std::string_view term) {
    std::string formula(term);
    for (const std::string_view mark : {"(g)", "(s)", "(G)", "(S)"}) {
        if (const std::size_t at = formula.find(mark); at != std::string::npos) {
            formula.erase(at, mark.size());
        }
    }
    return formula;
}

// The options whose lines give a reaction's log K and its change with temperature.
constexpr std::string_view kConstantOptions[] = {
    "log_k", "logk", "delta_h", "deltah", "analytical_expression", "a_e", "ae"};

bool IsConstantOption(std::string_view option) {
    return std::find(std::begin(kConstantOptions), std::end(kConstantOptions), option) !=
           std::end(kConstantOptions);
}

void CollectMaster(names::NameIndexes& names, const BlockStatement& statement, NameKind kind) {
    if (statement.words.empty()) {
        return;
    }
    const std::string name = names::MasterName(statement.words[0]);
    const std::string species = statement.words.size() > 1 ? std::string(statement.words[1]) : "";
    if (kind == NameKind::Element && name.find('(') != std::string::npos) {
        kind = NameKind::ValenceState;
    }
    names.Add({name, kind, statement.origin, species, ""});
    if (kind != NameKind::ExchangeMaster && kind != NameKind::SurfaceMaster && !species.empty()) {
        names.Add({species, NameKind::MasterSpecies, statement.origin, name, ""});
    }
}

// Adds the species an equation defines; its positions go to defined.
void CollectSpecies(names::NameIndexes& names, const BlockStatement& statement, NameKind kind,
                    std::vector<std::size_t>& defined) {
    std::string equation = Joined(statement.words);
    std::string species = DefinedSpecies(equation);
    if (species.empty()) {
        return;
    }
    // PHREEQC also keeps each exchange species as a phase, which EQUILIBRIUM_PHASES may name.
    if (kind == NameKind::ExchangeSpecies) {
        defined.push_back(
            names.Add({species, NameKind::Phase, statement.origin, species, equation, {}}));
    }
    defined.push_back(
        names.Add({std::move(species), kind, statement.origin, "", std::move(equation), {}}));
}

// A log K line belongs to the definition before it: to each entry that definition made.
void AddConstants(names::NameIndexes& names, const std::vector<std::size_t>& defined,
                  const BlockStatement& statement) {
    for (const std::size_t position : defined) {
        names.entries[position].constants.push_back(Joined(statement.words));
    }
}

} // namespace

void NameTable::BeginBlock(std::string_view block) {
    m_impl->block = block;
    m_impl->phase_awaiting_equation.reset();
    m_impl->in_rate_program = false;
    m_impl->defined.clear();
}

void NameTable::Collect(const BlockStatement& statement) {
    Impl& state = *m_impl;
    names::NameIndexes& names = state.names;
    const std::string_view block = statement.block.empty() ? state.block : statement.block;
    if (block == "phases") {
        // The statement after a phase's name is its equation, whatever it looks like.
        if (state.phase_awaiting_equation) {
            NameEntry phase = std::move(*state.phase_awaiting_equation);
            state.phase_awaiting_equation.reset();
            phase.reaction = Joined(statement.words);
            const std::optional<Reaction> reaction = ParseReaction(phase.reaction);
            if (reaction) {
                phase.formula = PhaseFormula(reaction->left.front().species);
                state.defined = {names.Add(std::move(phase))};
            }
        } else if (IsConstantOption(statement.option)) {
            AddConstants(names, state.defined, statement);
        } else if (statement.option.empty() && !statement.words.empty()) {
            state.defined.clear();
            state.phase_awaiting_equation = NameEntry{std::string(statement.words[0]),
                                                      NameKind::Phase, statement.origin, "", ""};
        }
        return;
    }
    if (block == "rates") {
        // A rate's name line is followed by its BASIC program, up to -end; -start may open it.
        if (statement.option == "start") {
            state.in_rate_program = true;
        } else if (statement.option == "end") {
            state.in_rate_program = false;
        } else if (statement.option.empty() && !state.in_rate_program && !statement.words.empty()) {
            names.Add({std::string(statement.words[0]), NameKind::Rate, statement.origin, "", ""});
            state.in_rate_program = true; // the lines after a name are its program
        }
        return;
    }
    if (IsConstantOption(statement.option)) {
        AddConstants(names, state.defined, statement);
        return;
    }
    if (!statement.option.empty()) {
        return; // -gamma, -no_check ...: they define nothing the table keeps
    }
    if (block == "solution_master_species") {
        CollectMaster(names, statement, NameKind::Element);
    } else if (block == "exchange_master_species") {
        CollectMaster(names, statement, NameKind::ExchangeMaster);
    } else if (block == "surface_master_species") {
        CollectMaster(names, statement, NameKind::SurfaceMaster);
    } else {
        const auto kind = block == "solution_species"   ? NameKind::AqueousSpecies
                          : block == "exchange_species" ? NameKind::ExchangeSpecies
                          : block == "surface_species"  ? NameKind::SurfaceSpecies
                                                        : NameKind::Element;
        if (kind != NameKind::Element) {
            state.defined.clear();
            CollectSpecies(names, statement, kind, state.defined);
        }
    }
}

} // namespace vxcheck
