// Cutting a BASIC line into tokens: a leading line number, then words, numbers, strings and
// symbols. Both '"' and '\'' quote a string; REM takes the rest of the line.
#include "basic/tokens.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace vxcheck::basic {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The end of the number that C's strtod reads at start, or start when it reads none.
std::size_t NumberEnd(std::string_view text, std::size_t start) {
    std::size_t at = start;
    const bool hex = at + 1 < text.size() && text[at] == '0' && (text[at + 1] | 0x20) == 'x';
    const auto isDigit = hex ? IsHexDigit : IsDigit;
    if (hex) {
        at += 2;
    }
    std::size_t digits = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        ++digits;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        for (; at < text.size() && isDigit(text[at]); ++at) {
            ++digits;
        }
    }
    if (digits == 0) {
        return hex ? start + 1 : start; // "0x" alone reads as 0
    }
    const char exponent = hex ? 'p' : 'e';
    if (at < text.size() && (text[at] | 0x20) == exponent) {
        std::size_t next = at + 1;
        if (next < text.size() && (text[next] == '+' || text[next] == '-')) {
            ++next;
        }
        if (next < text.size() && IsDigit(text[next])) {
            for (at = next; at < text.size() && IsDigit(text[at]); ++at) {
            }
        }
    }
    return at;
}

TokenKind SymbolKind(char c) {
    switch (c) {
    case '+':
        return TokenKind::Plus;
    case '-':
        return TokenKind::Minus;
    case '*':
        return TokenKind::Times;
    case '/':
        return TokenKind::Divide;
    case '^':
        return TokenKind::Power;
    case '(':
    case '[':
        return TokenKind::LeftParen;
    case ')':
    case ']':
        return TokenKind::RightParen;
    case ',':
        return TokenKind::Comma;
    case ';':
        return TokenKind::Semicolon;
    case ':':
        return TokenKind::Colon;
    case '?':
        return TokenKind::Question;
    case '=':
        return TokenKind::Equal;
    default:
        return TokenKind::Bad;
    }
}

void Reject(TokenizedLine& line, std::size_t begin, std::size_t end, std::string problem) {
    if (!line.rejected) {
        line.rejected = true;
        line.problemBegin = begin;
        line.problemEnd = end;
        line.problem = std::move(problem);
    }
}

class Tokenizer {
  public:
    Tokenizer(std::string_view text, TokenizedLine& line) : m_text(text), m_line(line) {
        m_line.tokens.clear();
        m_line.numbered = false;
        m_line.rejected = false;
    }

    void Run() {
        ReadLineNumber();
        while (m_at < m_text.size()) {
            if (IsBlank(m_text[m_at])) {
                ++m_at;
                continue;
            }
            ReadToken();
        }
        CheckParentheses();
    }

  private:
    void ReadLineNumber() {
        while (m_at < m_text.size() && IsBlank(m_text[m_at])) {
            ++m_at;
        }
        const std::size_t begin = m_at;
        long number = 0;
        for (; m_at < m_text.size() && IsDigit(m_text[m_at]); ++m_at) {
            number = number > (LONG_MAX - 9) / 10 ? LONG_MAX : number * 10 + (m_text[m_at] - '0');
        }
        if (m_at > begin) {
            m_line.numbered = true;
            m_line.number = number;
            m_line.numberBegin = begin;
            m_line.numberEnd = m_at;
        }
    }

    void ReadToken() {
        const std::size_t begin = m_at;
        const char c = m_text[m_at];
        Token token;
        token.begin = begin;
        if (c == '"' || c == '\'') {
            const std::size_t close = m_text.find(c, begin + 1);
            token.kind = TokenKind::String;
            if (close == std::string_view::npos) {
                Reject(m_line, begin, m_text.size(),
                       std::string("This string has no closing ") + c + ".");
                m_at = m_text.size();
            } else {
                m_at = close + 1;
            }
        } else if (c == '<' || c == '>') {
            const char next = m_at + 1 < m_text.size() ? m_text[m_at + 1] : '\0';
            m_at += next == '=' || (c == '<' && next == '>') ? 2 : 1;
            token.kind = c == '>'
                             ? (m_at - begin == 2 ? TokenKind::GreaterEqual : TokenKind::Greater)
                         : next == '=' ? TokenKind::LessEqual
                         : next == '>' ? TokenKind::NotEqual
                                       : TokenKind::Less;
        } else if (IsLetter(c)) {
            ReadWord(token);
        } else if (IsDigit(c) || c == '.') {
            m_at = NumberEnd(m_text, begin);
            if (m_at == begin) {
                m_at = begin + 1;
                token.kind = TokenKind::Bad;
            } else {
                token.kind = TokenKind::Number;
            }
        } else {
            token.kind = SymbolKind(c);
            ++m_at;
        }
        token.end = m_at;
        if (token.kind == TokenKind::LeftParen) {
            ++m_opens;
            m_open.push_back(begin);
        } else if (token.kind == TokenKind::RightParen) {
            CloseParenthesis(begin);
        }
        m_line.tokens.push_back(token);
    }

    void ReadWord(Token& token) {
        char lower[Token::kNameLength];
        std::size_t length = 0;
        for (; m_at < m_text.size(); ++m_at) {
            const char c = m_text[m_at];
            if (!IsLetter(c) && !IsDigit(c) && c != '_' && c != '$') {
                break;
            }
            if (length < Token::kNameLength) {
                lower[length++] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            }
        }
        token.word = FindWord(std::string_view(lower, length));
        if (token.word == nullptr) {
            token.kind = TokenKind::Name;
            std::copy(lower, lower + length, token.nameBytes);
            token.nameLength = length;
        } else if (token.word->name == "rem") {
            token.kind = TokenKind::Rem;
            m_at = m_text.size();
        } else {
            token.kind = TokenKind::Word;
        }
    }

    // PHREEQC only counts parentheses. Where the count goes wrong: the first "(" left open, or
    // the first ")" that closes no "(".
    void CloseParenthesis(std::size_t at) {
        ++m_closes;
        if (!m_open.empty()) {
            m_open.pop_back();
        } else if (!m_unopened) {
            m_unopened = true;
            m_firstUnopened = at;
        }
    }

    void CheckParentheses() {
        if (m_opens > m_closes && !m_open.empty()) {
            Reject(m_line, m_open.front(), m_open.front() + 1,
                   "This \"(\" is never closed; PHREEQC stops on the line.");
        } else if (m_opens < m_closes && m_unopened) {
            Reject(m_line, m_firstUnopened, m_firstUnopened + 1,
                   "This \")\" closes no \"(\"; PHREEQC stops on the line.");
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    TokenizedLine& m_line;
    std::vector<std::size_t> m_open;
    std::size_t m_opens = 0;
    std::size_t m_closes = 0;
    bool m_unopened = false;
    std::size_t m_firstUnopened = 0;
};

} // namespace

void TokenizeLine(std::string_view text, TokenizedLine& line) {
    Tokenizer(text, line).Run();
}

} // namespace vxcheck::basic
