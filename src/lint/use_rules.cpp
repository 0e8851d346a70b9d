// USE of a numbered reactant (a solution, a MIX, a REACTION ...) that nothing in the input
// defines, and EXCHANGE, SURFACE or GAS_PHASE -equilibrate with such a solution: PHREEQC stops
// when it runs the simulation ("Solution 5 not found"). A number counts as
// defined when any block, SAVE or COPY of the input defines it, before or after the USE, so that
// only a number the input never gives is reported. Inputs whose cells other blocks fill
// (TRANSPORT, ADVECTION, RUN_CELLS, COPY cell, INCLUDE$) are not judged, nor solutions where
// SOLUTION_SPREAD numbers them.
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include "input/keywords.h"

#include <charconv>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace vxcheck {
namespace {

// The reactants USE takes, each with the blocks that define it by number; longest first, as the
// item word is matched by its beginning.
struct Reactant {
    std::string_view item;
    std::string_view blocks[4];
};

constexpr Reactant kReactants[] = {
    {"reaction_temperature",
     {"reaction_temperature", "reaction_temperature_raw", "reaction_temperature_modify", ""}},
    {"reaction_pressure",
     {"reaction_pressure", "reaction_pressure_raw", "reaction_pressure_modify", ""}},
    {"reaction", {"reaction", "reaction_raw", "reaction_modify", ""}},
    {"solution", {"solution", "solution_raw", "solution_modify", "solution_mix"}},
    {"mix", {"mix", "", "", ""}},
};

// The reactant that a USE, SAVE or COPY item word names, or null when it names none we judge.
const Reactant* ReactantOf(std::string_view word) {
    const std::string lower = LowerWord(word);
    for (const Reactant& reactant : kReactants) {
        if (lower == reactant.item ||
            (lower.size() > reactant.item.size() && lower.starts_with(reactant.item) &&
             reactant.item != "reaction")) {
            return &reactant;
        }
    }
    return nullptr;
}

const Reactant* DefinedBy(std::string_view block) {
    for (const Reactant& reactant : kReactants) {
        for (std::string_view definer : reactant.blocks) {
            if (!definer.empty() && definer == block) {
                return &reactant;
            }
        }
    }
    return nullptr;
}

// "5" or "1-10"; nullopt when the word is neither.
std::optional<std::pair<int, int>> ReadRange(std::string_view word) {
    int first = 0;
    const char* end = word.data() + word.size();
    auto [after, error] = std::from_chars(word.data(), end, first);
    if (error != std::errc() || after == word.data()) {
        return std::nullopt;
    }
    int last = first;
    if (after != end && *after == '-') {
        auto [afterLast, lastError] = std::from_chars(after + 1, end, last);
        if (lastError != std::errc() || afterLast != end) {
            return std::nullopt;
        }
    } else if (after != end) {
        return std::nullopt;
    }
    return std::make_pair(first, last);
}

bool FillsCells(std::string_view block) {
    return block == "transport" || block == "advection" || block == "run_cells";
}

class UseChecker {
  public:
    explicit UseChecker(LintContext& context) : m_context(context) {}

    void Check() {
        const InputModel& model = m_context.Model();
        for (const InputStatement& statement : model.statements) {
            if (!Collect(statement)) {
                return;
            }
        }
        for (const InputBlock& block : model.blocks) {
            if (block.name == "use") {
                CheckUse(model.statements[block.keyword]);
            }
        }
        for (const InputStatement& statement : model.statements) {
            if (statement.option == "equilibrate" &&
                (statement.reader == "exchange" || statement.reader == "surface" ||
                 statement.reader == "gas_phase")) {
                CheckEquilibrate(statement);
            }
        }
    }

  private:
    // Notes what a statement defines; false when the input is one whose numbers we do not follow.
    bool Collect(const InputStatement& statement) {
        if (statement.kind == StatementKind::Include) {
            return false;
        }
        if (statement.kind != StatementKind::Keyword) {
            return true;
        }
        const std::string_view block =
            m_context.Model().blocks[static_cast<std::size_t>(statement.block)].name;
        if (FillsCells(block)) {
            return false;
        }
        if (block == "solution_spread") {
            m_spread = true;
        } else if ((block == "save" || block == "copy") && statement.words.size() > 2) {
            if (LowerWord(statement.Word(1)) == "cell") {
                return false;
            }
            const std::size_t number = block == "save" ? 2 : 3;
            if (const Reactant* reactant = ReactantOf(statement.Word(1));
                reactant != nullptr && number < statement.words.size()) {
                Define(*reactant, statement.Word(number));
            }
        } else if (const Reactant* reactant = DefinedBy(block)) {
            Define(*reactant, statement.words.size() > 1 ? statement.Word(1) : "1");
        }
        return true;
    }

    void Define(const Reactant& reactant, std::string_view word) {
        // A keyword line without a number (or with a description only) defines number 1.
        const std::pair<int, int> range = ReadRange(word).value_or(std::make_pair(1, 1));
        m_defined.insert({&reactant, range.first, range.second});
    }

    bool Defined(const Reactant& reactant, int number) const {
        for (const auto& [defined, first, last] : m_defined) {
            if (defined == &reactant && number >= first && number <= last) {
                return true;
            }
        }
        return false;
    }

    void CheckUse(const InputStatement& statement) {
        if (statement.words.size() < 3) {
            return;
        }
        const Reactant* reactant = ReactantOf(statement.Word(1));
        const std::optional<std::pair<int, int>> range = ReadRange(statement.Word(2));
        if (reactant == nullptr || !range || range->first != range->second ||
            (m_spread && reactant->item == "solution") || Defined(*reactant, range->first)) {
            return;
        }
        m_context.ReportWord(statement, 2, Severity::Error, "undefined-number",
                             "No " + UpperWord(reactant->blocks[0]) + " " +
                                 std::to_string(range->first) +
                                 " is defined in the input; PHREEQC cannot USE it.");
    }

    // "-equilibrate 1", "-equil with solution 1": the first number names the solution.
    void CheckEquilibrate(const InputStatement& statement) {
        const Reactant& solution = kReactants[3];
        for (std::size_t word = 1; word < statement.words.size(); ++word) {
            const std::optional<std::pair<int, int>> range = ReadRange(statement.Word(word));
            if (!range) {
                continue;
            }
            if (!m_spread && range->first == range->second && !Defined(solution, range->first)) {
                m_context.ReportWord(statement, word, Severity::Error, "undefined-number",
                                     "No SOLUTION " + std::to_string(range->first) +
                                         " is defined in the input; PHREEQC cannot equilibrate "
                                         "with it.");
            }
            return;
        }
    }

    LintContext& m_context;
    std::set<std::tuple<const Reactant*, int, int>> m_defined;
    bool m_spread = false;
};

} // namespace

void CheckUses(LintContext& context) {
    UseChecker(context).Check();
}

} // namespace vxcheck
