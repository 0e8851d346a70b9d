// The BASIC programs of RATES, CALCULATE_VALUES, USER_PRINT, USER_PUNCH and USER_GRAPH: their
// mistakes, and the names their functions look up that neither the database nor the input
// defines.
#include "common/ascii_case.h"
#include "lint/lint_context.h"

#include <vxcheck/input/basic.h>

#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vxcheck {
namespace {

bool HoldsPrograms(std::string_view block) {
    return block == "rates" || block == "calculate_values" || block == "user_print" ||
           block == "user_punch" || block == "user_graph";
}

// RATES and CALCULATE_VALUES name each program on the line before it.
bool NamesPrograms(std::string_view block) {
    return block == "rates" || block == "calculate_values";
}

// Names that PHREEQC's functions take without the database defining them.
bool IsSpecialName(NameKind kind, std::string_view name) {
    return kind == NameKind::Element && (name == "water" || name == "charge");
}

bool IsKnown(const KnownNames& names, NameKind kind, std::string_view name) {
    switch (kind) {
    case NameKind::Element: {
        // PHREEQC reads "Fe(+2)" as "Fe(2)".
        if (const std::size_t plus = name.find("(+"); plus != std::string_view::npos) {
            const std::string plain =
                std::string(name.substr(0, plus + 1)) + std::string(name.substr(plus + 2));
            if (names.Find(NameKind::ValenceState, plain)) {
                return true;
            }
        }
        return names.Find(NameKind::Element, name) || names.Find(NameKind::ValenceState, name) ||
               names.Find(NameKind::MasterSpecies, name) ||
               names.Find(NameKind::ExchangeMaster, name) ||
               names.Find(NameKind::SurfaceMaster, name);
    }
    case NameKind::AqueousSpecies:
        return names.Find(NameKind::AqueousSpecies, name) ||
               names.Find(NameKind::ExchangeSpecies, name) ||
               names.Find(NameKind::SurfaceSpecies, name) ||
               names.Find(NameKind::MasterSpecies, name);
    default:
        return names.Find(kind, name) != nullptr;
    }
}

const char* KindWord(NameKind kind) {
    switch (kind) {
    case NameKind::Element:
        return "an element";
    case NameKind::AqueousSpecies:
        return "a species";
    case NameKind::Rate:
        return "a rate";
    default:
        return "a phase";
    }
}

class BasicChecker {
  public:
    explicit BasicChecker(LintContext& context) : m_context(context) {}

    void Check() {
        CollectKineticsNames();
        for (const InputBlock& block : m_context.Model().blocks) {
            if (HoldsPrograms(block.name)) {
                CheckBlock(block);
            }
        }
    }

  private:
    // The rates that KINETICS blocks of the input use, in lower case: PHREEQC runs only those.
    void CollectKineticsNames() {
        const InputModel& model = m_context.Model();
        for (const InputBlock& block : model.blocks) {
            if (!block.name.starts_with("kinetics") || block.name == "kinetics_mix") {
                continue;
            }
            for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
                const InputStatement& statement = model.statements[index];
                const std::size_t word = statement.kind == StatementKind::Data ? 0
                                         : statement.option == "component"     ? 1
                                                                           : statement.words.size();
                if (word < statement.words.size()) {
                    m_kinetics.insert(LowerWord(statement.Word(word)));
                }
            }
        }
    }

    // A program runs from the name line (or the block's start) to -end or the block's end. The
    // names of a program are judged only when the input runs it: CALCULATE_VALUES programs run
    // when another program asks for them, and a rate when a KINETICS block uses it.
    void CheckBlock(const InputBlock& block) {
        const InputModel& model = m_context.Model();
        const bool named = NamesPrograms(block.name);
        bool expectName = named;
        m_judgeNames = !named;
        for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
            const InputStatement& statement = model.statements[index];
            if (m_context.Silenced(index)) {
                break;
            }
            if (statement.kind == StatementKind::Option) {
                if (statement.option == "end") {
                    CheckProgram();
                    expectName = named;
                }
            } else if (statement.kind == StatementKind::Data) {
                if (expectName) {
                    CheckProgram();
                    expectName = false;
                    m_judgeNames = block.name == "rates" && !statement.words.empty() &&
                                   m_kinetics.contains(LowerWord(statement.Word(0)));
                } else {
                    m_lines.push_back(statement.text);
                    m_statements.push_back(&statement);
                }
            }
        }
        CheckProgram();
    }

    void CheckProgram() {
        if (m_lines.empty()) {
            return;
        }
        const BasicReport report = CheckBasicProgram(m_lines);
        for (const BasicFinding& finding : report.findings) {
            m_context.Report(*m_statements[finding.line], finding.begin, finding.end,
                             finding.severity, finding.code, finding.message);
        }
        for (const BasicNameUse& use : report.names) {
            if (m_judgeNames) {
                CheckName(use);
            }
        }
        m_lines.clear();
        m_statements.clear();
    }

    void CheckName(const BasicNameUse& use) {
        const NameTable* database = m_context.Database();
        if (database == nullptr || database->Empty() || IsSpecialName(use.kind, use.name) ||
            IsKnown(InputNames(), use.kind, use.name)) {
            return;
        }
        std::string message = std::string(use.name) + " is not " + KindWord(use.kind) +
                              " of the database or of the input";
        if (const std::optional<std::string> suggestion =
                InputNames().Suggest(use.kind, use.name)) {
            message += "; did you mean " + *suggestion + "?";
        } else {
            message += ".";
        }
        m_context.Report(*m_statements[use.line], use.begin, use.end, Severity::Warning,
                         "basic-unknown-name", std::move(message));
    }

    // The database's names and every name the input defines.
    KnownNames InputNames() { return m_context.NamesThrough(std::numeric_limits<int>::max()); }

    LintContext& m_context;
    std::vector<std::string_view> m_lines;
    std::vector<const InputStatement*> m_statements;
    std::set<std::string> m_kinetics;
    bool m_judgeNames = false;
};

} // namespace

void CheckBasic(LintContext& context) {
    BasicChecker(context).Check();
}

} // namespace vxcheck
