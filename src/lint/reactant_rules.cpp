// What REACTION and KINETICS add to a solution: REACTION's reactants and the names of a kinetic
// reaction's -formula are phases or formulas whose elements are known; KINETICS names rates that
// RATES defines. PHREEQC finds out only when the reaction runs ("Element or phase not defined in
// database", "Rate not found"); we report them wherever they stand (docs/decisions.md).
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include <vxcheck/input/chemistry.h>

#include <optional>
#include <string>

namespace vxcheck {
namespace {

// Whether a word begins a number as PHREEQC's readers take one here (a coefficient, an amount).
bool BeginsNumber(std::string_view word) {
    const char first = word.front();
    return (first >= '0' && first <= '9') || first == '.' || first == '-' || first == '+';
}

bool IsElement(const KnownNames& names, std::string_view element) {
    return names.Find(NameKind::Element, element) != nullptr ||
           names.Find(NameKind::ExchangeMaster, element) != nullptr ||
           names.Find(NameKind::SurfaceMaster, element) != nullptr;
}

class ReactantChecker {
  public:
    explicit ReactantChecker(LintContext& context) : m_context(context) {}

    void Check() {
        const InputModel& model = m_context.Model();
        for (const InputBlock& block : model.blocks) {
            if (block.name != "reaction" && block.name != "kinetics") {
                continue;
            }
            m_current.emplace(m_context.NamesThrough(block.simulation));
            for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
                const InputStatement& statement = model.statements[index];
                if (m_context.Silenced(index)) {
                    break;
                }
                if (block.name == "kinetics" && statement.kind == StatementKind::Data) {
                    CheckRate(statement);
                } else if (block.name == "kinetics" && statement.option == "formula") {
                    CheckReactants(statement, 1);
                } else if (block.name == "reaction" && statement.kind == StatementKind::Data &&
                           !BeginsNumber(statement.Word(0))) {
                    CheckReactants(statement, 0);
                }
            }
        }
    }

  private:
    // A KINETICS data line names a rate, even one that looks like a number (a list of -steps
    // continued on a line of its own is read as the name of a rate).
    void CheckRate(const InputStatement& statement) {
        const std::string_view name = statement.Word(0);
        if (m_current->Find(NameKind::Rate, name) != nullptr) {
            return;
        }
        std::string message = std::string(name) + " is not a rate of the database or of the input";
        if (const std::optional<std::string> rate = m_current->Suggest(NameKind::Rate, name)) {
            message += "; did you mean " + *rate + "?";
        } else {
            message += BeginsNumber(name) ? "; KINETICS reads each data line as the name of a rate."
                                          : "; RATES defines rates.";
        }
        m_context.ReportWord(statement, 0, Severity::Error, "unknown-rate", std::move(message));
    }

    // Names, each followed by an optional coefficient, from word first on.
    void CheckReactants(const InputStatement& statement, std::size_t first) {
        for (std::size_t word = first; word < statement.words.size(); ++word) {
            if (!BeginsNumber(statement.Word(word))) {
                CheckReactant(statement, word);
            }
        }
    }

    // A phase, or a formula of known elements; a formula PHREEQC cannot read is left to it.
    void CheckReactant(const InputStatement& statement, std::size_t word) {
        const std::string_view name = statement.Word(word);
        if (m_current->Find(NameKind::Phase, name) != nullptr) {
            return;
        }
        const std::optional<FormulaContent> formula = ParseFormula(name);
        if (!formula) {
            return;
        }
        for (const ElementCount& element : formula->elements) {
            if (IsElement(*m_current, element.element)) {
                continue;
            }
            m_context.ReportWord(statement, word, Severity::Error, "unknown-reactant",
                                 Message(name, element.element));
            return;
        }
    }

    std::string Message(std::string_view name, std::string_view element) const {
        if (element == name) {
            std::string message = std::string(name) +
                                  " is neither a phase nor an element of the database or of "
                                  "the input";
            const std::optional<std::string> phase = m_current->Suggest(NameKind::Phase, name);
            return message + (phase ? "; did you mean " + *phase + "?" : ".");
        }
        return std::string(name) + " holds " + std::string(element) +
               ", which is not an element of the database or of the input, and is no phase.";
    }

    LintContext& m_context;
    std::optional<KnownNames> m_current;
};

} // namespace

void CheckReactants(LintContext& context) {
    if (context.WholeDatabase() != nullptr) {
        ReactantChecker(context).Check();
    }
}

} // namespace vxcheck
