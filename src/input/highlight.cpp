// Highlighting reads what the other readers already know: the fields of each statement and the
// names and entity numbers, both from the symbol index, BASIC's tokenizer for program lines, and
// "#" comments, which the statements leave out.
#include "basic/line_highlight.h"

#include <vxcheck/input/fields.h>
#include <vxcheck/input/highlight.h>

#include <algorithm>

namespace vxcheck {
namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// "2", "-1.5", "1e-3": a number as a data line writes one.
bool IsNumber(std::string_view word) {
    std::size_t at = word.empty() || (word[0] != '-' && word[0] != '+') ? 0 : 1;
    std::size_t digits = 0;
    for (; at < word.size() && (IsDigit(word[at]) || word[at] == '.'); ++at) {
        digits += IsDigit(word[at]) ? 1 : 0;
    }
    if (digits > 0 && at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
        at += at + 1 < word.size() && (word[at + 1] == '-' || word[at + 1] == '+') ? 2 : 1;
        const std::size_t exponent = at;
        while (at < word.size() && IsDigit(word[at])) {
            ++at;
        }
        digits = at > exponent ? digits : 0;
    }
    return digits > 0 && at == word.size();
}

HighlightKind OccurrenceKind(const SymbolOccurrence& occurrence) {
    switch (occurrence.space) {
    case SymbolSpace::Element:
        return HighlightKind::Element;
    case SymbolSpace::Species:
        return HighlightKind::Species;
    case SymbolSpace::Phase:
        return HighlightKind::Phase;
    case SymbolSpace::Rate:
        return HighlightKind::Rate;
    default:
        return HighlightKind::EntityNumber;
    }
}

// The colour of a word that no occurrence covers, or false for none.
bool FieldColour(FieldKind field, std::string_view word, HighlightKind& kind) {
    switch (field) {
    case FieldKind::Keyword:
        kind = HighlightKind::Keyword;
        return true;
    case FieldKind::Option:
        kind = HighlightKind::Option;
        return true;
    case FieldKind::Description:
        kind = HighlightKind::Description;
        return true;
    case FieldKind::Units:
        kind = HighlightKind::Units;
        return true;
    case FieldKind::FileName:
        kind = HighlightKind::FileName;
        return true;
    case FieldKind::EntityNumber:
    case FieldKind::Number:
        kind = IsNumber(word) ? HighlightKind::Number : HighlightKind::EntityNumber;
        return true;
    default:
        kind = HighlightKind::Number;
        return IsNumber(word);
    }
}

class Highlighter {
  public:
    Highlighter(std::string_view text, const InputModel& model, const SymbolIndex& index)
        : m_text(text), m_model(model), m_index(index) {}

    std::vector<HighlightSpan> Run() {
        auto earlier = [](const HighlightSpan& a, const HighlightSpan& b) {
            return a.begin < b.begin;
        };
        m_spans.reserve(m_model.words.size() + m_model.statements.size());
        for (std::size_t i = 0; i < m_model.statements.size(); ++i) {
            const std::size_t first = m_spans.size();
            Statement(i);
            std::sort(m_spans.begin() + static_cast<std::ptrdiff_t>(first), m_spans.end(), earlier);
        }
        // Comments stand after the statements of their line: two ordered runs to merge.
        const std::size_t statements = m_spans.size();
        Comments();
        std::inplace_merge(m_spans.begin(),
                           m_spans.begin() + static_cast<std::ptrdiff_t>(statements), m_spans.end(),
                           earlier);
        // Spans are in order: a line's end, once found, serves every span that starts before it.
        std::size_t lineEnd = 0;
        bool found = false;
        for (HighlightSpan& span : m_spans) {
            if (!found || (lineEnd != std::string_view::npos && span.begin > lineEnd)) {
                lineEnd = m_text.find('\n', span.begin);
                found = true;
            }
            span.end = std::min(span.end, lineEnd);
        }
        return std::move(m_spans);
    }

  private:
    void Statement(std::size_t index) {
        const InputStatement& statement = m_model.statements[index];
        const std::size_t firstOccurrence = m_next;
        while (m_next < m_index.occurrences.size() &&
               m_index.occurrences[m_next].statement == index) {
            ++m_next;
        }
        if (statement.words.empty()) {
            return;
        }
        std::span<const FieldKind> fields = m_index.FieldsOf(m_model, index);
        if (fields.empty()) { // an index of other statements
            m_fields = ClassifyFields(m_model, index);
            fields = m_fields;
        }
        if (std::find(fields.begin(), fields.end(), FieldKind::Basic) != fields.end()) {
            Program(statement);
            return;
        }
        std::size_t occurrence = firstOccurrence;
        for (std::size_t word = 0; word < fields.size(); ++word) {
            const std::size_t begin = statement.OffsetOf(statement.words[word].begin);
            const std::size_t end = statement.OffsetOf(statement.words[word].end - 1) + 1;
            while (occurrence < m_next && m_index.occurrences[occurrence].end <= begin) {
                ++occurrence;
            }
            if (occurrence < m_next && m_index.occurrences[occurrence].begin < end) {
                continue; // the word is a name, or holds names
            }
            HighlightKind kind = HighlightKind::Number;
            if (FieldColour(fields[word], statement.Word(word), kind)) {
                m_spans.push_back({begin, end, kind, false});
            }
        }
        for (std::size_t i = firstOccurrence; i < m_next; ++i) {
            const SymbolOccurrence& found = m_index.occurrences[i];
            m_spans.push_back({found.begin, found.end, OccurrenceKind(found), found.definition});
        }
    }

    void Program(const InputStatement& statement) {
        m_line.clear();
        m_basic.Highlight(statement.text, m_line);
        for (const basic::LineSpan& span : m_line) {
            m_spans.push_back({statement.OffsetOf(span.begin), statement.OffsetOf(span.end - 1) + 1,
                               span.kind, false});
        }
    }

    void Comments() {
        for (std::size_t at = m_text.find('#'); at != std::string_view::npos;
             at = m_text.find('#', at)) {
            std::size_t end = m_text.find('\n', at);
            end = end == std::string_view::npos ? m_text.size() : end;
            const std::size_t next = end;
            while (end > at && m_text[end - 1] == '\r') {
                --end;
            }
            m_spans.push_back({at, end, HighlightKind::Comment, false});
            at = next;
        }
    }

    std::string_view m_text;
    const InputModel& m_model;
    const SymbolIndex& m_index;
    std::size_t m_next = 0; // the first occurrence of the statements not yet read
    basic::LineHighlighter m_basic;
    std::vector<basic::LineSpan> m_line;
    std::vector<FieldKind> m_fields; // a statement's fields when the index has none
    std::vector<HighlightSpan> m_spans;
};

} // namespace

std::vector<HighlightSpan> HighlightInput(std::string_view text, const InputModel& model,
                                          const SymbolIndex& index) {
    return Highlighter(text, model, index).Run();
}

} // namespace vxcheck
