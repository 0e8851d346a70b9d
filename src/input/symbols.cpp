// The symbol index: names that defining blocks define, names that other blocks' fields, reactions
// and BASIC programs use, and entity numbers (symbol_entities.cpp). One pass over the statements.
#include "input/keywords.h"
#include "input/symbol_collector.h"

#include <vxcheck/input/basic.h>
#include <vxcheck/input/chemistry.h>
#include <vxcheck/input/fields.h>

#include <algorithm>
#include <charconv>

namespace vxcheck {
namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// "3" or "1-5" as numbers; false for anything else.
bool ParseRange(std::string_view word, int& first, int& last) {
    const std::size_t dash = word.find('-', 1);
    const std::string_view head = word.substr(0, dash);
    const std::string_view tail = dash == std::string_view::npos ? head : word.substr(dash + 1);
    auto number = [](std::string_view digits, int& value) {
        if (digits.empty() || digits.size() > 9 ||
            !std::all_of(digits.begin(), digits.end(), IsDigit)) {
            return false;
        }
        return std::from_chars(digits.data(), digits.data() + digits.size(), value).ec ==
               std::errc();
    };
    return number(head, first) && number(tail, last) && first <= last;
}

// Blocks whose programs are BASIC; RATES and CALCULATE_VALUES name each program on a line first.
bool HoldsPrograms(std::string_view block) {
    return block == "rates" || block == "calculate_values" || block == "user_print" ||
           block == "user_punch" || block == "user_graph";
}

// The species of a reaction term: its bytes after the coefficient.
std::size_t SpeciesBegin(std::string_view equation, const ReactionTerm& term) {
    std::size_t at = term.begin;
    while (at < term.end && (IsDigit(equation[at]) || equation[at] == '.' || equation[at] == ' ' ||
                             equation[at] == '\t')) {
        ++at;
    }
    return at;
}

class Indexer {
  public:
    explicit Indexer(const InputModel& model) : m_collector(model), m_model(model) {}

    SymbolIndex Run(std::size_t first, std::size_t end) {
        m_collector.Reserve(end - first);
        std::size_t firstWord = 0;
        if (first < end) {
            const InputWord* words = m_model.words.data();
            const std::span<const InputWord> last = m_model.statements[end - 1].words;
            firstWord = static_cast<std::size_t>(m_model.statements[first].words.data() - words);
            m_fields.reserve(static_cast<std::size_t>(last.data() + last.size() - words) -
                             firstWord);
        }
        for (std::size_t index = first; index < end; ++index) {
            const InputStatement& statement = m_model.statements[index];
            if (statement.kind == StatementKind::Keyword) {
                FlushProgram();
                m_expectName = true;
            }
            // Every statement's fields are kept, for the highlighting too.
            m_kinds = ClassifyFields(m_model, index);
            m_fields.insert(m_fields.end(), m_kinds.begin(), m_kinds.end());
            CollectEntityNumbers(m_collector, index);
            if (statement.block >= 0 && statement.kind != StatementKind::Keyword &&
                statement.kind != StatementKind::Include) {
                CollectNames(index, m_model.blocks[static_cast<std::size_t>(statement.block)].name);
            }
        }
        FlushProgram();
        SymbolIndex index = m_collector.Take();
        index.fields = std::move(m_fields);
        index.firstWord = firstWord;
        // Occurrences come in input order but for a few (a program's names come at its end).
        auto earlier = [](const SymbolOccurrence& a, const SymbolOccurrence& b) {
            return a.begin < b.begin;
        };
        if (!std::is_sorted(index.occurrences.begin(), index.occurrences.end(), earlier)) {
            std::stable_sort(index.occurrences.begin(), index.occurrences.end(), earlier);
        }
        return index;
    }

  private:
    void CollectNames(std::size_t index, std::string_view block) {
        const InputStatement& statement = m_model.statements[index];
        if (HoldsPrograms(block)) {
            CollectProgramLine(index, block);
            return;
        }
        if (statement.kind == StatementKind::Data && CollectDefinitions(index, block)) {
            return;
        }
        for (std::size_t word = 0; word < m_kinds.size(); ++word) {
            CollectField(index, word, m_kinds[word]);
        }
    }

    // The data lines of the blocks that define names; false for other blocks.
    bool CollectDefinitions(std::size_t index, std::string_view block) {
        const InputStatement& statement = m_model.statements[index];
        const std::size_t count = statement.words.size();
        if (block == "solution_master_species" || block == "exchange_master_species" ||
            block == "surface_master_species") {
            if (count > 0) {
                const NameKind kind = block == "exchange_master_species"  ? NameKind::ExchangeMaster
                                      : block == "surface_master_species" ? NameKind::SurfaceMaster
                                      : statement.Word(0).find('(') != std::string_view::npos
                                          ? NameKind::ValenceState
                                          : NameKind::Element;
                m_collector.AddWord(index, 0, SymbolSpace::Element, kind, true);
            }
            if (count > 1) {
                m_collector.AddWord(index, 1, SymbolSpace::Species, NameKind::MasterSpecies,
                                    block == "solution_master_species");
            }
            return true;
        }
        const bool species = block == "solution_species" || block == "exchange_species" ||
                             block == "surface_species";
        if (!species && block != "phases") {
            return false;
        }
        if (statement.text.find('=') == std::string_view::npos) {
            if (block == "phases" && count > 0) {
                m_collector.AddWord(index, 0, SymbolSpace::Phase, NameKind::Phase, true);
            }
            return true;
        }
        const std::optional<Reaction> reaction = ParseReaction(statement.text);
        if (!reaction) {
            return true;
        }
        // A species block defines the first species on the right; a phase's equation starts
        // with the phase's formula, which names nothing.
        const NameKind defined = block == "exchange_species"  ? NameKind::ExchangeSpecies
                                 : block == "surface_species" ? NameKind::SurfaceSpecies
                                                              : NameKind::AqueousSpecies;
        for (const auto* side : {&reaction->left, &reaction->right}) {
            for (const ReactionTerm& term : *side) {
                const bool first = &term == side->data();
                if (!species && side == &reaction->left && first) {
                    continue;
                }
                const bool definition = species && side == &reaction->right && first;
                m_collector.AddName(index, SpeciesBegin(statement.text, term), term.end,
                                    SymbolSpace::Species,
                                    definition ? defined : NameKind::AqueousSpecies, definition);
            }
        }
        return true;
    }

    void CollectField(std::size_t index, std::size_t word, FieldKind kind) {
        switch (kind) {
        case FieldKind::Element:
            m_collector.AddWord(index, word, SymbolSpace::Element, NameKind::Element, false);
            break;
        case FieldKind::Species:
            m_collector.AddWord(index, word, SymbolSpace::Species, NameKind::AqueousSpecies, false);
            break;
        case FieldKind::Phase:
            m_collector.AddWord(index, word, SymbolSpace::Phase, NameKind::Phase, false);
            break;
        case FieldKind::RateName:
            m_collector.AddWord(index, word, SymbolSpace::Rate, NameKind::Rate, false);
            break;
        case FieldKind::ExchangeFormula:
        case FieldKind::SurfaceFormula:
            CollectFormula(index, word,
                           kind == FieldKind::ExchangeFormula ? NameKind::ExchangeMaster
                                                              : NameKind::SurfaceMaster);
            break;
        default:
            break;
        }
    }

    // "CaX2" of EXCHANGE: each element of the formula refers to its definition; the one that is
    // an exchange master is known only against the names.
    void CollectFormula(std::size_t index, std::size_t word, NameKind kind) {
        const InputStatement& statement = m_model.statements[index];
        const std::string_view formula = statement.Word(word);
        const std::optional<FormulaContent> content = ParseFormula(formula);
        if (!content) {
            return;
        }
        std::size_t from = 0;
        for (const ElementCount& element : content->elements) {
            const std::size_t at = formula.find(element.element, from);
            if (at == std::string_view::npos) {
                continue;
            }
            const std::size_t begin = statement.words[word].begin + at;
            const bool master = element.element.find('_') != std::string::npos ||
                                (kind == NameKind::ExchangeMaster && element.element.size() == 1 &&
                                 element.element[0] >= 'X' && element.element[0] <= 'Z');
            m_collector.AddName(index, begin, begin + element.element.size(), SymbolSpace::Element,
                                master ? kind : NameKind::Element, false);
            from = at + element.element.size();
        }
    }

    // RATES and CALCULATE_VALUES: a data line where a name is expected names the program that
    // follows (a rate is defined there); the other data lines are BASIC.
    void CollectProgramLine(std::size_t index, std::string_view block) {
        const InputStatement& statement = m_model.statements[index];
        const bool named = block == "rates" || block == "calculate_values";
        if (statement.kind == StatementKind::Option) {
            if (statement.option == "end") {
                FlushProgram();
                m_expectName = true;
            }
            return;
        }
        if (named && m_expectName) {
            FlushProgram();
            m_expectName = false;
            if (block == "rates" && !statement.words.empty()) {
                m_collector.AddWord(index, 0, SymbolSpace::Rate, NameKind::Rate, true);
            }
            return;
        }
        m_lines.push_back(statement.text);
        m_lineStatements.push_back(index);
    }

    void FlushProgram() {
        if (m_lines.empty()) {
            return;
        }
        const BasicReport report = CheckBasicProgram(m_lines);
        for (const BasicNameUse& use : report.names) {
            const SymbolSpace space = use.kind == NameKind::Phase     ? SymbolSpace::Phase
                                      : use.kind == NameKind::Rate    ? SymbolSpace::Rate
                                      : use.kind == NameKind::Element ? SymbolSpace::Element
                                                                      : SymbolSpace::Species;
            m_collector.AddName(m_lineStatements[use.line], use.begin, use.end, space, use.kind,
                                false);
        }
        m_lines.clear();
        m_lineStatements.clear();
    }

    SymbolCollector m_collector;
    const InputModel& m_model;
    std::vector<std::string_view> m_lines; // the program being read
    std::vector<std::size_t> m_lineStatements;
    bool m_expectName = true;
    std::vector<FieldKind> m_kinds;  // the fields of the statement being read
    std::vector<FieldKind> m_fields; // those of every statement read
};

} // namespace

void SymbolCollector::AddName(std::size_t statement, std::size_t begin, std::size_t end,
                              SymbolSpace space, NameKind kind, bool definition) {
    const InputStatement& owner = m_model.statements[statement];
    if (begin >= end || end > owner.text.size()) {
        return;
    }
    SymbolOccurrence occurrence;
    occurrence.begin = owner.OffsetOf(begin);
    occurrence.end = owner.OffsetOf(end - 1) + 1;
    occurrence.space = space;
    occurrence.kind = kind;
    occurrence.definition = definition;
    occurrence.name = owner.text.substr(begin, end - begin);
    occurrence.statement = statement;
    m_index.occurrences.push_back(occurrence);
}

void SymbolCollector::AddWord(std::size_t statement, std::size_t word, SymbolSpace space,
                              NameKind kind, bool definition) {
    const InputWord& bytes = m_model.statements[statement].words[word];
    AddName(statement, bytes.begin, bytes.end, space, kind, definition);
}

bool SymbolCollector::AddEntity(std::size_t statement, std::size_t word, EntityKind entity,
                                bool definition) {
    const InputStatement& owner = m_model.statements[statement];
    int first = 0;
    int last = 0;
    if (!ParseRange(owner.Word(word), first, last)) {
        return false;
    }
    AddWord(statement, word, SymbolSpace::Entity, NameKind::Element, definition);
    m_index.occurrences.back().entity = entity;
    m_index.occurrences.back().first = first;
    m_index.occurrences.back().last = last;
    return true;
}

bool SameName(SymbolSpace space, std::string_view a, std::string_view b) {
    if (space == SymbolSpace::Species || space == SymbolSpace::Entity) {
        return a == b;
    }
    return a.size() == b.size() && LowerWord(a) == LowerWord(b);
}

const SymbolOccurrence* SymbolIndex::At(std::size_t offset) const {
    auto after = std::upper_bound(
        occurrences.begin(), occurrences.end(), offset,
        [](std::size_t at, const SymbolOccurrence& occurrence) { return at < occurrence.begin; });
    if (after == occurrences.begin() || offset > (after - 1)->end) {
        return nullptr;
    }
    return &*(after - 1);
}

std::vector<const SymbolOccurrence*>
SymbolIndex::Related(const SymbolOccurrence& occurrence) const {
    std::vector<const SymbolOccurrence*> related;
    for (const SymbolOccurrence& other : occurrences) {
        if (other.space != occurrence.space) {
            continue;
        }
        const bool same =
            occurrence.space == SymbolSpace::Entity
                ? (other.entity == occurrence.entity || other.entity == EntityKind::Cell ||
                   occurrence.entity == EntityKind::Cell) &&
                      other.first <= occurrence.first && occurrence.first <= other.last
                : SameName(occurrence.space, other.name, occurrence.name);
        if (same) {
            related.push_back(&other);
        }
    }
    return related;
}

std::span<const FieldKind> SymbolIndex::FieldsOf(const InputModel& model,
                                                 std::size_t statement) const {
    if (statement >= model.statements.size() || model.statements[statement].words.empty()) {
        return {};
    }
    const std::span<const InputWord> words = model.statements[statement].words;
    const auto word = static_cast<std::size_t>(words.data() - model.words.data());
    if (word < firstWord || word - firstWord + words.size() > fields.size()) {
        return {};
    }
    return std::span<const FieldKind>(fields).subspan(word - firstWord, words.size());
}

SymbolIndex IndexSymbols(const InputModel& model) {
    return Indexer(model).Run(0, model.statements.size());
}

SymbolIndex IndexSymbols(const InputModel& model, std::size_t first, std::size_t end) {
    return Indexer(model).Run(std::min(first, end), std::min(end, model.statements.size()));
}

} // namespace vxcheck
