// BASIC colours come from the interpreter's own tokenizer, so that what is coloured a function
// is what PHREEQC calls one.
#include "basic/line_highlight.h"

namespace vxcheck::basic {
namespace {

// The colour of a token, or false for punctuation that gets none.
bool KindOf(const Token& token, HighlightKind& kind) {
    switch (token.kind) {
    case TokenKind::Number:
        kind = HighlightKind::BasicNumber;
        return true;
    case TokenKind::String:
        kind = HighlightKind::BasicString;
        return true;
    case TokenKind::Name:
        kind = HighlightKind::BasicVariable;
        return true;
    case TokenKind::Word:
        kind = token.word->role == WordRole::Function ? HighlightKind::BasicFunction
                                                      : HighlightKind::BasicKeyword;
        return true;
    case TokenKind::Rem:
        kind = HighlightKind::Comment;
        return true;
    case TokenKind::Plus:
    case TokenKind::Minus:
    case TokenKind::Times:
    case TokenKind::Divide:
    case TokenKind::Power:
    case TokenKind::Equal:
    case TokenKind::Less:
    case TokenKind::LessEqual:
    case TokenKind::Greater:
    case TokenKind::GreaterEqual:
    case TokenKind::NotEqual:
        kind = HighlightKind::BasicOperator;
        return true;
    default:
        return false;
    }
}

} // namespace

void LineHighlighter::Highlight(std::string_view line, std::vector<LineSpan>& spans) {
    TokenizedLine& tokenized = m_tokens;
    TokenizeLine(line, tokenized);
    if (tokenized.numbered) {
        spans.push_back(
            {tokenized.numberBegin, tokenized.numberEnd, HighlightKind::BasicLineNumber});
    }
    for (const Token& token : tokenized.tokens) {
        HighlightKind kind = HighlightKind::BasicKeyword;
        if (KindOf(token, kind) && token.begin < token.end) {
            spans.push_back({token.begin, token.end, kind});
        }
    }
}

} // namespace vxcheck::basic
