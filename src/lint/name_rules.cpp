// Names that neither the database nor the input defines: phases of EQUILIBRIUM_PHASES,
// GAS_PHASE, INVERSE_MODELING and SELECTED_OUTPUT, elements of SOLUTION, species and elements of
// SELECTED_OUTPUT. The input's own definitions are added simulation by simulation, as PHREEQC
// reads a whole simulation before it runs one. Without a database nothing is judged.
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include <vxcheck/input/chemistry.h>

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>

namespace vxcheck {
namespace {

// What a word of a block must name, and how PHREEQC takes a name it does not know.
struct NameRule {
    std::string_view block;
    std::string_view option; // the option whose words and following lines hold names; "" for data
    NameKind kind;
    Severity severity;
    bool exchangeSpeciesToo = false; // INVERSE_MODELING takes exchange species as phases
};

// SELECTED_OUTPUT only prints what it finds, so a name it does not know is a warning there.
constexpr NameRule kRules[] = {
    {"equilibrium_phases", "", NameKind::Phase, Severity::Error},
    {"gas_phase", "", NameKind::Phase, Severity::Error},
    {"solution", "", NameKind::Element, Severity::Warning},
    {"exchange", "", NameKind::ExchangeMaster, Severity::Error},
    {"surface", "", NameKind::SurfaceMaster, Severity::Error},
    {"inverse_modeling", "phases", NameKind::Phase, Severity::Error, true},
    {"selected_output", "saturation_indices", NameKind::Phase, Severity::Warning},
    {"selected_output", "si", NameKind::Phase, Severity::Warning},
    {"selected_output", "equilibrium_phases", NameKind::Phase, Severity::Warning},
    {"selected_output", "equilibrium_phase", NameKind::Phase, Severity::Warning},
    {"selected_output", "equilibria", NameKind::Phase, Severity::Warning},
    {"selected_output", "equilibrium", NameKind::Phase, Severity::Warning},
    {"selected_output", "pure_phases", NameKind::Phase, Severity::Warning},
    {"selected_output", "pure", NameKind::Phase, Severity::Warning},
    {"selected_output", "gases", NameKind::Phase, Severity::Warning},
    {"selected_output", "totals", NameKind::Element, Severity::Warning},
    {"selected_output", "molalities", NameKind::AqueousSpecies, Severity::Warning},
    {"selected_output", "activities", NameKind::AqueousSpecies, Severity::Warning},
};

const NameRule* FindRule(std::string_view block, std::string_view option) {
    for (const NameRule& rule : kRules) {
        if (rule.block == block && rule.option == option) {
            return &rule;
        }
    }
    return nullptr;
}

// Whether a formula of EXCHANGE or SURFACE ("CaX2", "Hfo_wOH") holds an exchange or surface
// master species of that kind; an unreadable formula is left to PHREEQC.
bool HoldsMaster(const KnownNames& names, NameKind kind, std::string_view formula) {
    const std::optional<FormulaContent> content = ParseFormula(formula);
    if (!content) {
        return true;
    }
    for (const ElementCount& element : content->elements) {
        if (names.Find(kind, element.element) != nullptr) {
            return true;
        }
    }
    return false;
}

bool IsKnown(const KnownNames& names, NameKind kind, std::string_view name) {
    switch (kind) {
    case NameKind::ExchangeMaster:
    case NameKind::SurfaceMaster:
        return HoldsMaster(names, kind, name);
    case NameKind::Element: // exchange and surface masters have totals too
        return names.Find(NameKind::Element, name) != nullptr ||
               names.Find(NameKind::ValenceState, name) != nullptr ||
               names.Find(NameKind::ExchangeMaster, name) != nullptr ||
               names.Find(NameKind::SurfaceMaster, name) != nullptr;
    case NameKind::AqueousSpecies:
        return names.Find(NameKind::AqueousSpecies, name) != nullptr ||
               names.Find(NameKind::ExchangeSpecies, name) != nullptr ||
               names.Find(NameKind::SurfaceSpecies, name) != nullptr;
    default:
        return names.Find(kind, name) != nullptr;
    }
}

// What a message says of an unknown name of each kind, and the code it reports.
struct KindText {
    NameKind kind;
    std::string_view word;
    std::string_view code;
};
constexpr KindText kKindTexts[] = {
    {NameKind::ExchangeMaster, "holds no exchange master species", "unknown-exchanger"},
    {NameKind::SurfaceMaster, "holds no surface master species", "unknown-surface"},
    {NameKind::Element, "is not an element", "unknown-element"},
    {NameKind::AqueousSpecies, "is not a species", "unknown-species"},
    {NameKind::Phase, "is not a phase", "unknown-phase"},
};

const KindText& TextOf(NameKind kind) {
    for (const KindText& text : kKindTexts) {
        if (text.kind == kind) {
            return text;
        }
    }
    return kKindTexts[4];
}

// How many different unknown names get a suggestion in one input.
constexpr std::size_t kSuggestedNames = 40;

// Words that PHREEQC takes in a list of names without reading them as names.
bool IsSkipped(std::string_view word) {
    const std::string lower = UpperWord(word);
    return word.empty() || word.front() == '[' || lower == "TRUE" || lower == "FALSE";
}

class NameChecker {
  public:
    explicit NameChecker(LintContext& context) : m_context(context) {}

    void Check() {
        for (const InputBlock& block : m_context.Model().blocks) {
            m_current.emplace(m_context.NamesThrough(block.simulation));
            CheckBlock(block);
        }
    }

  private:
    const KnownNames& Names() const { return *m_current; }

    // Data lines name what the block's own rule says, or continue the list of the option before
    // them when that option holds names.
    void CheckBlock(const InputBlock& block) {
        const InputModel& model = m_context.Model();
        const NameRule* dataRule = FindRule(block.name, "");
        const NameRule* rule = dataRule;
        for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
            const InputStatement& statement = model.statements[index];
            if (m_context.Silenced(index)) {
                return;
            }
            m_index = index;
            if (statement.kind == StatementKind::Option) {
                // An option no reader knows is reported by the option rules, not read for names.
                const NameRule* optionRule =
                    statement.option.empty() ? nullptr : FindRule(block.name, statement.option);
                if (optionRule != nullptr) {
                    CheckWords(statement, 1, *optionRule);
                }
                rule = optionRule != nullptr ? optionRule : dataRule;
            } else if (statement.kind == StatementKind::Data && rule != nullptr) {
                CheckWords(statement, 0, *rule);
            }
        }
    }

    void CheckWords(const InputStatement& statement, std::size_t first, const NameRule& rule) {
        // SELECTED_OUTPUT lists several names a line; elsewhere a line names one, first.
        const std::size_t last = rule.block == "selected_output"
                                     ? statement.words.size()
                                     : std::min(first + 1, statement.words.size());
        for (std::size_t word = first; word < last; ++word) {
            CheckName(statement, word, rule);
        }
    }

    void CheckName(const InputStatement& statement, std::size_t word, const NameRule& rule) {
        const std::string_view name = statement.Word(word);
        if (IsSkipped(name) || IsKnown(Names(), rule.kind, name) ||
            (rule.exchangeSpeciesToo && IsKnown(Names(), NameKind::ExchangeSpecies, name))) {
            return;
        }
        // A first word like a keyword, which no name resembles, is a misspelt keyword.
        if (word == 0 && m_context.MisspeltKeyword(name) && !Names().Suggest(rule.kind, name)) {
            if (std::optional<std::string_view> keyword = m_context.MisspeltKeyword(name)) {
                m_context.ReportWord(statement, word, rule.severity, "unknown-keyword",
                                     UnknownKeywordMessage(name, *keyword));
                m_context.SilenceFrom(m_index); // the lines after it belong to the block meant
                return;
            }
        }
        m_context.ReportWord(statement, word, rule.severity, std::string(TextOf(rule.kind).code),
                             Message(name, rule.kind));
    }

    // The message for an unknown name, made once per name and kind: finding the suggestion
    // compares the name with every name of its kind.
    std::string Message(std::string_view name, NameKind kind) {
        std::string key = std::to_string(static_cast<int>(kind)) + " " + std::string(name);
        auto found = m_messages.find(key);
        if (found != m_messages.end()) {
            return found->second;
        }
        std::string message = std::string(name) + " " + std::string(TextOf(kind).word) +
                              " of the database or of the input";
        // Past kSuggestedNames different unknown names (a wrong database), suggestions stop:
        // each compares the name with every name of its kind.
        const bool named = kind != NameKind::ExchangeMaster && kind != NameKind::SurfaceMaster &&
                           m_messages.size() < kSuggestedNames;
        if (std::optional<std::string> suggestion =
                named ? Names().Suggest(kind, name) : std::nullopt) {
            message += "; did you mean " + *suggestion + "?";
        } else {
            message += ".";
        }
        return m_messages.emplace(std::move(key), std::move(message)).first->second;
    }

    LintContext& m_context;
    std::optional<KnownNames> m_current;
    std::size_t m_index = 0; // the statement being checked
    std::unordered_map<std::string, std::string> m_messages;
};

} // namespace

void CheckNames(LintContext& context) {
    if (context.Database() == nullptr || context.Database()->Empty()) {
        return;
    }
    NameChecker(context).Check();
}

} // namespace vxcheck
