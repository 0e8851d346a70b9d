// The reactions of SOLUTION_SPECIES, EXCHANGE_SPECIES, SURFACE_SPECIES and PHASES: a line that
// should hold an equation and does not, an equation PHREEQC cannot read, and a reaction that does
// not balance. A species or phase with -no_check (and no later -check) is not balanced;
// -mole_balance changes what PHREEQC counts in mass balances, not this check. With the database
// known, every species of a reaction but the one it defines must be defined somewhere: an
// unknown one is reported by name rather than as an imbalance.
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include <vxcheck/input/chemistry.h>

#include <optional>
#include <string>
#include <vector>

namespace vxcheck {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool HasEquals(const InputStatement& statement) {
    return statement.text.find('=') != std::string_view::npos;
}

// One reaction of a block with the option statements after it.
struct Definition {
    const InputStatement* equation = nullptr;
    std::string_view defines; // the species or phase the reaction defines
    bool checked = true;
};

class ReactionChecker {
  public:
    // names is null when the database is unknown: then no species is judged.
    ReactionChecker(LintContext& context, const InputBlock& block, std::optional<KnownNames> names)
        : m_context(context), m_block(block), m_phases(block.name == "phases"), m_names(names) {}

    void Check() {
        const InputModel& model = m_context.Model();
        std::size_t phaseName = kNone; // a phase's name line, before its equation
        for (std::size_t index = m_block.keyword + 1; index < m_block.end; ++index) {
            const InputStatement& statement = model.statements[index];
            if (m_context.Silenced(index)) {
                return;
            }
            if (statement.kind == StatementKind::Option) {
                Option(statement.option);
                if (phaseName != kNone) {
                    NoEquation(phaseName);
                    return;
                }
                continue;
            }
            if (statement.kind != StatementKind::Data) {
                continue;
            }
            if (m_phases && phaseName == kNone && !HasEquals(statement)) {
                Finish();
                phaseName = index;
                continue;
            }
            if (!HasEquals(statement)) {
                NoEquation(phaseName != kNone ? phaseName : index);
                return;
            }
            Finish();
            m_current.equation = &statement;
            m_current.defines = phaseName != kNone ? model.statements[phaseName].Word(0) : "";
            phaseName = kNone;
        }
        Finish();
        if (phaseName != kNone) {
            LastPhaseWithoutEquation(phaseName);
        }
    }

  private:
    void Option(std::string_view option) {
        if (option == "no_check") {
            m_current.checked = false;
        } else if (option == "check") {
            m_current.checked = true;
        }
    }

    // A phase name that ends the block without an equation: PHREEQC passes over it, but a word
    // like a keyword there was meant to open a block.
    void LastPhaseWithoutEquation(std::size_t index) {
        const InputStatement& statement = m_context.Model().statements[index];
        if (std::optional<std::string_view> keyword =
                m_context.MisspeltKeyword(statement.Word(0))) {
            m_context.ReportWord(statement, 0, Severity::Warning, "unknown-keyword",
                                 UnknownKeywordMessage(statement.Word(0), *keyword));
        }
    }

    // A line where the block needs an equation: a misspelt keyword, or a missing equation.
    void NoEquation(std::size_t index) {
        const InputStatement& statement = m_context.Model().statements[index];
        const std::string block = UpperWord(m_block.name);
        if (std::optional<std::string_view> keyword =
                m_context.MisspeltKeyword(statement.Word(0))) {
            m_context.ReportWord(statement, 0, Severity::Error, "unknown-keyword",
                                 UnknownKeywordMessage(statement.Word(0), *keyword));
        } else if (m_phases) {
            m_context.Report(statement, 0, statement.text.size(), Severity::Error,
                             "expected-reaction",
                             "Phase " + std::string(statement.Word(0)) +
                                 " has no reaction: PHASES expects its equation on the next "
                                 "line, such as \"CaCO3 = Ca+2 + CO3-2\".");
        } else {
            m_context.Report(statement, 0, statement.text.size(), Severity::Error,
                             "expected-reaction",
                             block + " expects a reaction here, such as \"Ca+2 + CO3-2 = "
                                     "CaCO3\"; this line has no \"=\".");
        }
        m_current = Definition();
        m_context.SilenceFrom(index);
    }

    // Judges the reaction read last, now that its options are known.
    void Finish() {
        if (m_current.equation == nullptr) {
            return;
        }
        const InputStatement& equation = *m_current.equation;
        ReactionError error;
        const std::optional<Reaction> reaction = ParseReaction(equation.text, &error);
        if (!reaction) {
            m_context.Report(equation, error.begin, std::max(error.end, error.begin + 1),
                             Severity::Error, "unreadable-reaction",
                             "PHREEQC cannot read this reaction: " + error.message + ".");
        } else if (UnknownSpecies(equation, *reaction)) {
            // reported; the balance of a reaction with an unknown species tells nothing more
        } else if (m_current.checked) {
            std::string_view defines = m_current.defines;
            if (defines.empty() && !reaction->right.empty()) {
                defines = reaction->right.front().species;
            }
            // Phases named in a reaction ("Calcite(s)") count with their database formula.
            const NameTable* database = m_context.Database();
            const std::string imbalance =
                ReactionImbalance(*reaction, [database](std::string_view phase) {
                    const NameEntry* entry =
                        database != nullptr ? database->Find(NameKind::Phase, phase) : nullptr;
                    return entry != nullptr ? entry->formula : std::string();
                });
            if (!imbalance.empty()) {
                m_context.Report(equation, equation.words.front().begin, equation.words.back().end,
                                 Severity::Error, "unbalanced-reaction",
                                 "The reaction of " + std::string(defines) +
                                     " does not balance (right side minus left: " + imbalance +
                                     ").");
            }
        }
        m_current = Definition();
    }

    // Reports the species of a reaction that nothing defines, and says whether there was one.
    // The defined term is the first on the right, or in PHASES the phase's formula on the left;
    // a term marked "(s)" or "(g)" names a phase.
    bool UnknownSpecies(const InputStatement& equation, const Reaction& reaction) {
        if (!m_names) {
            return false;
        }
        bool found = false;
        auto judge = [&](const std::vector<ReactionTerm>& side, std::size_t first) {
            for (std::size_t term = first; term < side.size(); ++term) {
                const std::string& species = side[term].species;
                if (NamesPhase(species) || IsSpecies(AsSpecies(species))) {
                    continue;
                }
                found = true;
                std::string message = species + " is not a species of the database or of the input";
                const std::optional<std::string> suggestion = SuggestSpecies(species);
                message += suggestion ? "; did you mean " + *suggestion + "?" : ".";
                m_context.Report(equation, side[term].begin, side[term].end, Severity::Error,
                                 "unknown-species", std::move(message));
            }
        };
        judge(reaction.left, m_phases ? 1 : 0);
        judge(reaction.right, m_phases ? 0 : 1);
        return found;
    }

    static bool NamesPhase(std::string_view species) {
        const std::string upper = UpperWord(species);
        return upper.find("(S)") != std::string::npos || upper.find("(G)") != std::string::npos;
    }

    // PHREEQC reads "HDO(aq)" as HDO and "H2O(l)" as H2O.
    static std::string AsSpecies(std::string species) {
        for (const std::string_view mark : {"(aq)", "(AQ)"}) {
            if (const std::size_t at = species.find(mark); at != std::string::npos) {
                species.erase(at, mark.size());
            }
        }
        if (species.starts_with("H2O(l)") || species.starts_with("H2O(L)")) {
            species.erase(3, 3);
        }
        return species;
    }

    bool IsSpecies(std::string_view species) const {
        return m_names->Find(NameKind::AqueousSpecies, species) != nullptr ||
               m_names->Find(NameKind::ExchangeSpecies, species) != nullptr ||
               m_names->Find(NameKind::SurfaceSpecies, species) != nullptr;
    }

    std::optional<std::string> SuggestSpecies(std::string_view species) const {
        for (const NameKind kind :
             {NameKind::AqueousSpecies, NameKind::ExchangeSpecies, NameKind::SurfaceSpecies}) {
            if (std::optional<std::string> suggestion = m_names->Suggest(kind, species)) {
                return suggestion;
            }
        }
        return std::nullopt;
    }

    LintContext& m_context;
    const InputBlock& m_block;
    bool m_phases;
    std::optional<KnownNames> m_names;
    Definition m_current;
};

bool HasReactions(std::string_view block) {
    return block == "solution_species" || block == "exchange_species" ||
           block == "surface_species" || block == "phases";
}

} // namespace

void CheckReactions(LintContext& context) {
    const bool judged = context.WholeDatabase() != nullptr;
    for (const InputBlock& block : context.Model().blocks) {
        if (HasReactions(block.name)) {
            ReactionChecker(context, block,
                            judged ? std::optional(context.NamesThrough(block.simulation))
                                   : std::nullopt)
                .Check();
        }
    }
}

} // namespace vxcheck
