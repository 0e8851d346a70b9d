// Numbers that nothing in the input defines: USE of a solution, a MIX, a REACTION ...; the
// solution of EXCHANGE, SURFACE or GAS_PHASE -equilibrate; the cells of TRANSPORT -cells. PHREEQC
// stops when it runs the simulation ("Solution 5 not found"). A number counts as defined when any
// block, SAVE or COPY of the input defines it, before or after its use, so that only a number the
// input never gives is reported. Inputs with RUN_CELLS, COPY cell, INCLUDE$ or SOLUTION_SPREAD
// are not judged; beside TRANSPORT or ADVECTION, which change cells, only -cells is.
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
    return block == "transport" || block == "advection";
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
        if (m_spread) {
            return; // SOLUTION_SPREAD numbers solutions in ways not followed here
        }
        for (const InputStatement& statement : model.statements) {
            if (statement.option == "cells" && statement.reader == "transport") {
                CheckCells(statement);
            }
        }
        if (m_cellsFilled) {
            return; // a USE after TRANSPORT may take any of its cells
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
        if (block == "run_cells") {
            return false;
        }
        m_cellsFilled = m_cellsFilled || FillsCells(block);
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
            Defined(*reactant, range->first)) {
            return;
        }
        m_context.ReportWord(statement, 2, Severity::Error, "undefined-number",
                             "No " + UpperWord(reactant->blocks[0]) + " " +
                                 std::to_string(range->first) +
                                 " is defined in the input; PHREEQC cannot USE it.");
    }

    // TRANSPORT -cells N needs solutions 1 to N ("Solution 4 is needed for transport").
    void CheckCells(const InputStatement& statement) {
        if (statement.words.size() < 2) {
            return;
        }
        const std::optional<std::pair<int, int>> cells = ReadRange(statement.Word(1));
        if (!cells || cells->first != cells->second) {
            return;
        }
        for (int cell = 1; cell <= cells->first; ++cell) {
            if (!Defined(kReactants[3], cell)) {
                m_context.ReportWord(statement, 1, Severity::Error, "undefined-number",
                                     "TRANSPORT over " + std::to_string(cells->first) +
                                         " cells needs solutions 1 to " +
                                         std::to_string(cells->first) + "; no SOLUTION " +
                                         std::to_string(cell) + " is defined in the input.");
                return;
            }
        }
    }

    // "-equilibrate 1", "-equil with solution 1": the first number names the solution.
    void CheckEquilibrate(const InputStatement& statement) {
        const Reactant& solution = kReactants[3];
        for (std::size_t word = 1; word < statement.words.size(); ++word) {
            const std::optional<std::pair<int, int>> range = ReadRange(statement.Word(word));
            if (!range) {
                continue;
            }
            if (range->first == range->second && !Defined(solution, range->first)) {
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
    bool m_cellsFilled = false;
};

} // namespace

void CheckUses(LintContext& context) {
    UseChecker(context).Check();
}

} // namespace vxcheck
