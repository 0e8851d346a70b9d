// PHREEQC's logical lines: a statement ends at a line end or an unescaped ";", "#" starts a
// comment that runs to the line end, and a "\" followed only by blanks joins the next line.
#include "input/statements.h"

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

class Splitter {
  public:
    explicit Splitter(std::string_view text) : m_text(text) {}

    std::vector<InputStatement> Split() {
        std::size_t at = 0;
        while (at < m_text.size()) {
            at = SplitLine(at);
        }
        Finish();
        return std::move(m_statements);
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
            m_current.pieces.push_back({m_current.text.size(), begin});
            m_current.text.append(m_text.substr(begin, end - begin));
        }
    }

    // Ends the current statement; a blank one is dropped.
    void Finish() {
        m_current.words = SplitWords(m_current.text);
        if (!m_current.words.empty()) {
            m_statements.push_back(std::move(m_current));
        }
        m_current = InputStatement();
    }

    std::string_view m_text;
    InputStatement m_current;
    std::vector<InputStatement> m_statements;
};

} // namespace

bool IsBlank(char ch) {
    return IsLineBlank(ch) || ch == '\n' || ch == '\x1a';
}

std::vector<InputWord> SplitWords(std::string_view text) {
    std::vector<InputWord> words;
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
    return words;
}

std::vector<InputStatement> SplitStatements(std::string_view text) {
    return Splitter(text).Split();
}

std::size_t InputStatement::OffsetOf(std::size_t position) const {
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
