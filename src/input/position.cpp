// What may stand at a point of an input: the statement around it (or the empty one a new line
// would start), the word there, and the kinds of word PHREEQC's reader of the block takes there,
// from the same rows that classify the words already written.
#include "input/field_lines.h"
#include "input/keywords.h"
#include "input/position_fields.h"

#include <vxcheck/input/position.h>
#include <vxcheck/input/vocabulary.h>

#include <algorithm>
#include <iterator>

namespace vxcheck {
namespace {

constexpr std::string_view kUnits[] = {
    "mol/l",   "mmol/l",  "umol/l",   "g/l",      "mg/l",     "ug/l",   "eq/l",   "meq/l",
    "ueq/l",   "mol/kgs", "mmol/kgs", "umol/kgs", "g/kgs",    "mg/kgs", "ug/kgs", "eq/kgs",
    "meq/kgs", "ueq/kgs", "mol/kgw",  "mmol/kgw", "umol/kgw", "g/kgw",  "mg/kgw", "ug/kgw",
    "eq/kgw",  "meq/kgw", "ueq/kgw",  "ppt",      "ppm",      "ppb",
};
constexpr std::string_view kConcentrationWords[] = {"as", "gfw", "charge", "pe"};
constexpr std::string_view kEntityKinds[] = {
    "solution",
    "equilibrium_phases",
    "exchange",
    "surface",
    "gas_phase",
    "solid_solutions",
    "kinetics",
    "reaction",
    "reaction_temperature",
    "reaction_pressure",
    "mix",
};
constexpr std::string_view kCell[] = {"cell"}; // COPY also copies whole cells
// SAVE stores only what a calculation changes; it refuses the other kinds.
constexpr std::string_view kSavedKinds[] = {"solution", "equilibrium_phases", "exchange",
                                            "surface",  "gas_phase",          "solid_solutions"};

using E = Expected;

// Where in a statement's text an input offset stands (its end included), or kNone.
std::size_t TextPosition(const InputStatement& statement, std::size_t offset) {
    if (statement.pieces.empty()) {
        return offset >= statement.offset && offset <= statement.offset + statement.text.size()
                   ? offset - statement.offset
                   : InputPosition::kNone;
    }
    for (std::size_t index = 0; index < statement.pieces.size(); ++index) {
        const TextPiece& piece = statement.pieces[index];
        const std::size_t next = index + 1 < statement.pieces.size()
                                     ? statement.pieces[index + 1].position
                                     : statement.text.size();
        if (offset >= piece.offset && offset <= piece.offset + (next - piece.position)) {
            return piece.position + (offset - piece.offset);
        }
    }
    return InputPosition::kNone;
}

// The block whose numbers an entity number in block names.
std::string_view EntityOf(std::string_view block) {
    constexpr std::string_view kMix = "_mix";
    if (block == "mix" || block == "inverse_modeling") {
        return "solution";
    }
    if (block.ends_with(kMix)) {
        const BlockVocabulary* family = FindBlockVocabulary(block.substr(0, block.size() - 4));
        return family != nullptr ? family->name : std::string_view();
    }
    return {};
}

class Locator {
  public:
    Locator(const InputModel& model, std::string_view text, std::size_t offset)
        : m_model(model), m_text(text), m_offset(std::min(offset, text.size())) {}

    InputPosition Locate() {
        m_position.begin = m_position.end = m_offset;
        const std::size_t lineStart =
            m_model.lineStarts.empty()
                ? 0
                : m_model.lineStarts[static_cast<std::size_t>(m_model.PlaceOf(m_offset).line)];
        if (m_text.substr(lineStart, m_offset - lineStart).find('#') != std::string_view::npos) {
            m_position.comment = true;
            return m_position;
        }
        FindStatement();
        if (m_statement == nullptr) {
            Expect(Head(""));
            return m_position;
        }
        const std::string_view typed = Typed();
        if (m_statement->kind == StatementKind::Keyword) {
            ExpectAfterKeyword();
        } else if (m_position.word == 0) {
            Expect(Head(typed));
        } else if (m_statement->kind == StatementKind::Include ||
                   LowerWord(m_statement->Word(0)).starts_with("include")) {
            Expect(E::FileName);
        } else {
            ExpectField(m_position.word);
        }
        return m_position;
    }

  private:
    // The statement around the point, or the block a new statement there would belong to.
    void FindStatement() {
        const auto& statements = m_model.statements;
        auto after = std::upper_bound(statements.begin(), statements.end(), m_offset,
                                      [](std::size_t offset, const InputStatement& statement) {
                                          return offset < statement.offset;
                                      });
        if (after == statements.begin()) {
            return;
        }
        const auto index = static_cast<std::size_t>(after - statements.begin()) - 1;
        const InputStatement& before = statements[index];
        const std::size_t column = TextPosition(before, m_offset);
        if (column == InputPosition::kNone) {
            SetBlock(before.block);
            if (before.kind == StatementKind::Keyword &&
                ReadsKeywordLineOnly(m_model.blocks[static_cast<std::size_t>(before.block)].name)) {
                SetBlock(-1);
            }
            m_nextIndex = index + 1;
            return;
        }
        m_statement = &before;
        m_position.statement = index;
        m_position.column = column;
        m_nextIndex = index;
        SetBlock(before.block);
        std::size_t word = 0;
        for (const InputWord& candidate : before.words) {
            // Compared as input offsets: in a joined statement the end of one line's last word
            // and the start of the next line are one position of the text.
            const std::size_t begin = before.OffsetOf(candidate.begin);
            const std::size_t end = before.OffsetOf(candidate.end - 1) + 1;
            if (begin <= m_offset && m_offset <= end) {
                m_position.begin = begin;
                m_position.end = end;
                break;
            }
            word += end < m_offset ? 1 : 0;
        }
        m_position.word = word;
        if (before.kind == StatementKind::Option) {
            m_position.option = before.option;
        }
    }

    void SetBlock(int block) {
        m_position.block = block;
        m_position.blockName =
            block < 0 ? std::string_view() : m_model.blocks[static_cast<std::size_t>(block)].name;
    }

    // The part of the point's word before the point.
    std::string_view Typed() const {
        return m_text.substr(m_position.begin, m_offset - m_position.begin);
    }

    LineShape DataLine() {
        LineShape line;
        line.block = m_position.blockName;
        line.continued = ContinuedOption(m_model, m_position.block, m_nextIndex);
        line.equation =
            m_statement != nullptr && m_statement->text.find('=') != std::string_view::npos;
        if (m_position.option.empty()) {
            m_position.option = line.continued;
        }
        return line;
    }

    // At the start of a line: a keyword, an option, or the block's data.
    std::vector<Expected> Head(std::string_view typed) {
        const bool dashed = !typed.empty() && typed[0] == '-';
        std::vector<Expected> expected;
        if (!dashed) {
            expected.push_back(E::Keyword);
        }
        if (m_position.block < 0) {
            return expected;
        }
        const BlockVocabulary* block = FindBlockVocabulary(m_position.blockName);
        if (block != nullptr && !block->options.empty()) {
            expected.push_back(E::Option);
            if (!dashed) {
                expected.push_back(E::DashlessOption);
            }
        }
        if (!dashed) {
            const LineShape line = DataLine();
            const std::vector<Expected> dependent =
                DependentField(m_statement, line, 0, m_position);
            if (dependent.empty()) {
                Add(expected, LineFieldKinds(line, 1)[0], line, 0);
            }
            expected.insert(expected.end(), dependent.begin(), dependent.end());
        }
        return expected;
    }

    void ExpectAfterKeyword() {
        const std::string_view block = m_position.blockName;
        const std::size_t word = m_position.word;
        if (word == 0) {
            Expect(E::Keyword);
        } else if (block == "database") {
            Expect(E::FileName);
        } else if (block == "use" && word == 1) {
            Expect(E::EntityKind);
        } else if (block == "save" && word == 1) {
            m_position.literals = kSavedKinds;
            Expect(E::Literal);
        } else if (block == "copy" && word == 1) {
            m_position.literals = kCell;
            Expect({E::EntityKind, E::Literal});
        } else if ((block == "use" || block == "save" || block == "copy") && word == 2 &&
                   m_statement->words.size() > 1) {
            const BlockVocabulary* entity = FindBlockVocabulary(m_statement->Word(1));
            m_position.entity = entity != nullptr ? entity->name : std::string_view();
            Expect(entity != nullptr ? E::EntityNumber : E::Text);
        } else {
            Expect(E::Text);
        }
    }

    void ExpectField(std::size_t word) {
        LineShape line;
        if (m_statement->kind == StatementKind::Option) {
            line.block = m_position.blockName;
            line.optionLine = true;
            line.option = m_statement->option;
        } else {
            line = DataLine();
        }
        std::vector<Expected> expected = DependentField(m_statement, line, word, m_position);
        if (expected.empty()) {
            Add(expected, LineFieldKinds(line, word + 1)[word], line, word);
        }
        Expect(std::move(expected));
    }

    void Add(std::vector<Expected>& expected, FieldKind kind, const LineShape& line,
             std::size_t word) {
        switch (kind) {
        case FieldKind::Element:
            expected.push_back(line.option == "redox" ? E::RedoxCouple : E::Element);
            break;
        case FieldKind::Species:
            if (line.block == "reaction") {
                expected.push_back(E::Phase);
            }
            expected.push_back(E::Species);
            if (line.block == "reaction" && word == 0) {
                // A formula of its own ("NaCl"), or the amounts line ("2 mmol in 3 steps").
                expected.push_back(E::Formula);
                expected.push_back(E::Number);
            }
            if (line.block == "selected_output") {
                expected.push_back(E::SorbedSpecies); // -molalities takes any species
            }
            break;
        case FieldKind::Phase:
            if (line.block == "solution" && word == 2) {
                expected.push_back(E::Charge);
            }
            expected.push_back(line.block == "gas_phase" || line.option == "gases" ? E::Gas
                                                                                   : E::Phase);
            break;
        case FieldKind::ExchangeFormula:
            expected.push_back(E::ExchangeFormula);
            break;
        case FieldKind::SurfaceFormula:
            expected.push_back(E::SurfaceFormula);
            break;
        case FieldKind::RateName:
            expected.push_back(E::RateName);
            break;
        case FieldKind::Units:
            expected.push_back(E::Units);
            break;
        case FieldKind::Number:
            expected.push_back(E::Number);
            break;
        case FieldKind::FileName:
            expected.push_back(E::FileName);
            break;
        case FieldKind::EntityNumber:
            m_position.entity = EntityOf(line.block);
            expected.push_back(E::EntityNumber);
            break;
        case FieldKind::Reaction:
            expected.push_back(E::Reaction);
            break;
        case FieldKind::Basic:
            expected.push_back(E::Basic);
            break;
        default:
            if (line.block == "selected_output" &&
                (line.continued == "calculate_values" || line.option == "calculate_values")) {
                expected.push_back(E::CalculatedValue);
            } else {
                expected.push_back(E::Text);
            }
            break;
        }
    }

    void Expect(Expected expected) { m_position.expected = {expected}; }
    void Expect(std::vector<Expected> expected) { m_position.expected = std::move(expected); }

    const InputModel& m_model;
    std::string_view m_text;
    std::size_t m_offset;
    const InputStatement* m_statement = nullptr;
    std::size_t m_nextIndex = 0; // the statement index a new line at the point would take
    InputPosition m_position;
};

} // namespace

std::span<const std::string_view> ConcentrationUnits() {
    return kUnits;
}

std::span<const std::string_view> ConcentrationWords() {
    return kConcentrationWords;
}

std::span<const std::string_view> EntityKinds() {
    return kEntityKinds;
}

InputPosition PositionAt(const InputModel& model, std::string_view text, std::size_t offset) {
    return Locator(model, text, offset).Locate();
}

} // namespace vxcheck
