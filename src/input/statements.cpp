// PHREEQC's logical lines: a statement ends at a line end or an unescaped ";", "#" starts a
// comment that runs to the line end, and a "\" followed only by blanks joins the next line.
#include "input/statements.h"

#include <algorithm>
#include <utility>

namespace vxcheck {
namespace {

bool IsLineBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f';
}

// A ";" right after a "\" (blanks allowed between) belongs to the text.
bool IsEscaped(std::string_view text, std::size_t lineBegin, std::size_t at) {
    while (at > lineBegin && IsLineBlank(text[at - 1])) {
        --at;
    }
    return at > lineBegin && text[at - 1] == '\\';
}

// Where the physical line that begins at begin ends (its "\n", or the end of text).
std::size_t LineEnd(std::string_view text, std::size_t begin) {
    std::size_t end = text.find('\n', begin);
    return end == std::string_view::npos ? text.size() : end;
}

// Whether text[begin, end) is a "\" followed only by blanks; then joinAt is the "\".
bool JoinsNextLine(std::string_view text, std::size_t begin, std::size_t end, std::size_t& joinAt) {
    while (end > begin && IsLineBlank(text[end - 1])) {
        --end;
    }
    if (end > begin && text[end - 1] == '\\') {
        joinAt = end - 1;
        return true;
    }
    return false;
}

// Where the pieces of a joined statement stand in the model's pieces.
struct JoinedPieces {
    std::size_t statement = 0;
    std::size_t first = 0;
    std::size_t count = 0;
};

class Splitter {
  public:
    Splitter(std::string_view text, InputModel& model) : m_text(text), m_model(model) {}

    void Split(std::size_t limit) {
        std::size_t at = 0;
        while (at < m_text.size() && m_model.statements.size() < limit) {
            at = SplitLine(at);
        }
        Finish();
        // The words and pieces are in place now that they no longer move.
        for (std::size_t index = 0; index < m_model.statements.size(); ++index) {
            const auto [first, count] = m_wordRanges[index];
            m_model.statements[index].words =
                std::span<const InputWord>(m_model.words).subspan(first, count);
        }
        for (const JoinedPieces& joined : m_joined) {
            m_model.statements[joined.statement].pieces =
                std::span<const TextPiece>(m_model.pieces).subspan(joined.first, joined.count);
        }
    }

  private:
    // Reads the physical line that begins at begin; returns where the next one begins.
    std::size_t SplitLine(std::size_t begin) {
        const std::size_t end = LineEnd(m_text, begin);
        std::size_t piece = begin;
        for (std::size_t at = begin; at < end; ++at) {
            if (m_text[at] == '#') {
                Append(piece, at);
                Finish();
                return end + 1;
            }
            if (m_text[at] == ';' && !IsEscaped(m_text, begin, at)) {
                Append(piece, at);
                Finish();
                piece = at + 1;
            }
        }
        std::size_t joinAt = 0;
        if (JoinsNextLine(m_text, piece, end, joinAt)) {
            Append(piece, joinAt);
            return end + 1;
        }
        Append(piece, end);
        Finish();
        return end + 1;
    }

    void Append(std::size_t begin, std::size_t end) {
        if (begin < end) {
            m_pieces.push_back({m_length, begin});
            m_length += end - begin;
        }
    }

    // Ends the current statement; a blank one is dropped. A statement of one piece keeps its
    // text in the input; one joined from several gets its own copy.
    void Finish() {
        if (m_pieces.empty()) {
            return;
        }
        InputStatement statement;
        statement.offset = m_pieces.front().offset;
        if (m_pieces.size() == 1) {
            statement.text = m_text.substr(statement.offset, m_length);
        } else {
            std::string& joined = m_model.joined.emplace_back();
            for (std::size_t piece = 0; piece < m_pieces.size(); ++piece) {
                const std::size_t pieceEnd =
                    piece + 1 < m_pieces.size() ? m_pieces[piece + 1].position : m_length;
                joined.append(
                    m_text.substr(m_pieces[piece].offset, pieceEnd - m_pieces[piece].position));
            }
            statement.text = joined;
        }
        const std::size_t first = m_model.words.size();
        const std::size_t count = AppendWords(statement.text, m_model.words);
        if (count > 0) {
            if (m_pieces.size() > 1) {
                m_joined.push_back(
                    {m_model.statements.size(), m_model.pieces.size(), m_pieces.size()});
                m_model.pieces.insert(m_model.pieces.end(), m_pieces.begin(), m_pieces.end());
            }
            m_model.statements.push_back(statement);
            m_wordRanges.emplace_back(first, count);
        }
        m_pieces.clear();
        m_length = 0;
    }

    std::string_view m_text;
    InputModel& m_model;
    std::vector<std::pair<std::size_t, std::size_t>> m_wordRanges; // first word, count
    std::vector<JoinedPieces> m_joined;
    std::vector<TextPiece> m_pieces; // the current statement's pieces
    std::size_t m_length = 0;        // and its length so far
};

} // namespace

std::size_t AppendWords(std::string_view text, std::vector<InputWord>& words) {
    const std::size_t before = words.size();
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        const std::size_t start = at;
        while (at < text.size() && !IsBlank(text[at])) {
            ++at;
        }
        if (at > start) {
            words.push_back({start, at});
        }
    }
    return words.size() - before;
}

void SplitStatements(std::string_view text, InputModel& model, std::size_t limit) {
    if (limit == static_cast<std::size_t>(-1)) {
        // About one statement a line: reserved, so that statements are not moved as they come.
        const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        model.statements.reserve(lines + 1);
        model.words.reserve(3 * (lines + 1));
    }
    Splitter(text, model).Split(limit);
}

std::size_t InputStatement::OffsetOf(std::size_t position) const {
    if (pieces.empty()) {
        return offset + position;
    }
    const TextPiece* found = &pieces.front();
    for (const TextPiece& piece : pieces) {
        if (piece.position > position) {
            break;
        }
        found = &piece;
    }
    return found->offset + (position - found->position);
}

} // namespace vxcheck
