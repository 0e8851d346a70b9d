// One BASIC line cut into tokens as PHREEQC's interpreter cuts it.
#pragma once

#include "basic/words.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck::basic {

enum class TokenKind {
    Number,
    String,
    Name, // a variable: any word that is not one of the BASIC words
    Word, // one of the BASIC words
    Rem,  // REM and the rest of the line
    Plus,
    Minus,
    Times,
    Divide,
    Power,
    LeftParen,  // "(" or "["
    RightParen, // ")" or "]"
    Comma,
    Semicolon,
    Colon,
    Question, // "?", PRINT
    Equal,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    NotEqual,
    Bad, // a byte that starts no token
};

struct Token {
    TokenKind kind = TokenKind::Bad;
    std::size_t begin = 0; // bytes of the line text
    std::size_t end = 0;
    const BasicWord* word = nullptr; // for Word

    // For Name: lower case, at most kNameLength bytes as PHREEQC keeps it.
    static constexpr std::size_t kNameLength = 20;
    char nameBytes[kNameLength] = {};
    std::size_t nameLength = 0;
    std::string_view Name() const { return {nameBytes, nameLength}; }
};

// The line number PHREEQC reads before the tokens, and what the tokenizer itself rejects.
struct TokenizedLine {
    bool numbered = false;
    long number = 0;
    std::size_t numberBegin = 0;
    std::size_t numberEnd = 0;
    std::vector<Token> tokens;
    // An unclosed quote or unbalanced parentheses: PHREEQC stops on the line before running it.
    bool rejected = false;
    std::size_t problemBegin = 0;
    std::size_t problemEnd = 0;
    std::string problem;
};

// Reads text into line, reusing its storage.
void TokenizeLine(std::string_view text, TokenizedLine& line);

} // namespace vxcheck::basic
