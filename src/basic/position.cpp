// What stands at a point of a BASIC line: the line's tokens before the point are read once, with
// a stack of open parentheses for the call and argument, and the token before the point's word
// for the slot.
#include "basic/tokens.h"

#include <vxcheck/input/basic_position.h>
#include <vxcheck/input/vocabulary.h>

#include <algorithm>
#include <vector>

namespace vxcheck {
namespace {

using basic::Token;
using basic::TokenKind;

struct Frame {
    const basic::BasicWord* function = nullptr; // null for a grouping or an array's subscripts
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t argument = 0;
};

bool IsWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || c == '.';
}

// A function, or a statement whose arguments stand in parentheses as a function's do: PUT(x, 1).
bool TakesCall(const Token& token) {
    if (token.kind != TokenKind::Word) {
        return false;
    }
    if (token.word->role == basic::WordRole::Function) {
        return true;
    }
    const BasicWordInfo* info = FindBasicWord(token.word->name);
    return token.word->role == basic::WordRole::Statement && info != nullptr &&
           info->signature.size() > token.word->name.size() &&
           info->signature[token.word->name.size()] == '(';
}

bool IsWord(const Token& token, std::string_view name) {
    return token.kind == TokenKind::Word && token.word->name == name;
}

// Whether the point stands in the token: inside a string (after its opening quote, before its
// closing one), or in or at the end of a word, name or number.
bool Holds(std::string_view text, const Token& token, std::size_t column) {
    if (token.kind == TokenKind::String) {
        const bool closed =
            token.end - token.begin >= 2 && text[token.end - 1] == text[token.begin];
        return token.begin < column && (column < token.end || (!closed && column == token.end));
    }
    const bool wordLike = token.kind == TokenKind::Word || token.kind == TokenKind::Name ||
                          token.kind == TokenKind::Number || token.kind == TokenKind::Rem;
    return wordLike && token.begin < column && column <= token.end;
}

class Reader {
  public:
    Reader(std::string_view text, std::size_t column) : m_text(text), m_column(column) {}

    BasicPosition Read() {
        basic::TokenizedLine line;
        basic::TokenizeLine(m_text, line);
        m_position.begin = m_position.end = m_column;
        if (line.numbered && m_column <= line.numberEnd) {
            m_position.slot = BasicSlot::LineNumber;
            m_position.begin = std::min(line.numberBegin, m_column);
            m_position.end = line.numberEnd;
            return m_position;
        }
        const Token* previous = nullptr;
        for (const Token& token : line.tokens) {
            if (Holds(m_text, token, m_column)) {
                return AtToken(token, previous);
            }
            if (token.begin >= m_column) {
                break;
            }
            Pass(token, previous);
            previous = &token;
        }
        return AtNewWord(previous);
    }

  private:
    // Takes in a token that stands wholly before the point.
    void Pass(const Token& token, const Token* previous) {
        switch (token.kind) {
        case TokenKind::LeftParen: {
            Frame frame;
            if (previous != nullptr && TakesCall(*previous)) {
                frame = {previous->word, previous->begin, previous->end, 0};
            }
            m_frames.push_back(frame);
            break;
        }
        case TokenKind::RightParen:
            if (!m_frames.empty()) {
                m_frames.pop_back();
            }
            break;
        case TokenKind::Comma:
            if (!m_frames.empty()) {
                ++m_frames.back().argument;
            }
            break;
        case TokenKind::Colon:
            m_frames.clear();
            m_jumpList = false;
            break;
        default:
            break;
        }
        if (IsWord(token, "goto") || IsWord(token, "gosub")) {
            m_jumpList = true;
        } else if (token.kind != TokenKind::Number && token.kind != TokenKind::Comma) {
            m_jumpList = false;
        }
    }

    BasicPosition AtToken(const Token& token, const Token* previous) {
        SetCall();
        if (token.kind == TokenKind::String) {
            const bool closed =
                token.end - token.begin >= 2 && m_text[token.end - 1] == m_text[token.begin];
            m_position.slot = BasicSlot::String;
            m_position.begin = token.begin + 1;
            m_position.end = closed ? token.end - 1 : token.end;
            return m_position;
        }
        if (token.kind == TokenKind::Rem && m_column > token.begin + 3) {
            m_position.slot = BasicSlot::Remark;
            return m_position;
        }
        m_position.begin = token.begin;
        m_position.end = token.kind == TokenKind::Rem ? token.begin + 3 : token.end;
        m_position.slot = SlotAfter(previous);
        return m_position;
    }

    BasicPosition AtNewWord(const Token* previous) {
        SetCall();
        std::size_t begin = m_column;
        while (begin > 0 && IsWordByte(m_text[begin - 1])) {
            --begin;
        }
        m_position.begin = begin;
        m_position.slot = SlotAfter(previous);
        return m_position;
    }

    BasicSlot SlotAfter(const Token* previous) {
        if (previous == nullptr || previous->kind == TokenKind::Colon) {
            return BasicSlot::Statement;
        }
        if (IsWord(*previous, "then") || IsWord(*previous, "else")) {
            m_position.jumpAlso = true;
            return BasicSlot::Statement;
        }
        if (IsWord(*previous, "restore") || (m_jumpList && (previous->kind == TokenKind::Comma ||
                                                            previous->kind == TokenKind::Word))) {
            return BasicSlot::JumpTarget;
        }
        return BasicSlot::Expression;
    }

    void SetCall() {
        for (std::size_t index = m_frames.size(); index-- > 0;) { // innermost first
            const Frame& frame = m_frames[index];
            if (frame.function != nullptr) {
                m_position.inCall = true;
                m_position.call = {frame.function->name, frame.begin, frame.end, frame.argument};
                return;
            }
        }
    }

    std::string_view m_text;
    std::size_t m_column;
    std::vector<Frame> m_frames;
    bool m_jumpList = false; // after GOTO or GOSUB, up to the end of its list of numbers
    BasicPosition m_position;
};

} // namespace

BasicPosition BasicPositionAt(std::string_view text, std::size_t column) {
    return Reader(text, std::min(column, text.size())).Read();
}

} // namespace vxcheck
