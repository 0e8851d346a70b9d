// Reading the statements and expressions of one BASIC line as PHREEQC's interpreter would run
// them, stopping at the first mistake as it does.
#pragma once

#include "basic/tokens.h"

#include <vxcheck/input/basic.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck::basic {

// What one line says about the program, for the checks across its lines.
struct LineSyntax {
    struct Jump { // GOTO, GOSUB, THEN, ELSE, ON and RESTORE with a line number
        std::size_t begin = 0;
        std::size_t end = 0;
        long target = 0;
    };
    struct Loop { // FOR var, or NEXT [var]
        bool isFor = false;
        std::string variable; // empty for a bare NEXT
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    struct ArrayUse { // name(...)
        std::string name;
        std::size_t begin = 0;
        std::size_t end = 0;
        bool fills = false; // DIM, an assignment, READ, or a variable a function fills
    };
    std::vector<BasicFinding> findings; // line is left 0
    std::vector<BasicNameUse> names;
    std::vector<Jump> jumps;
    std::vector<Loop> loops;
    std::vector<ArrayUse> arrays;
};

LineSyntax ParseLine(std::string_view text, const TokenizedLine& line);

class LineParser {
  public:
    LineParser(std::string_view text, const TokenizedLine& line) : m_text(text), m_line(line) {}
    LineSyntax Run();

  private:
    // statements.cpp
    void Statement();
    void Assignment();
    void Lvalue(bool fills);
    void ExpressionList(bool numbersOnly);
    void ForStatement();
    void IfStatement();
    void OnStatement();
    void DimStatement();
    void JumpTarget();
    bool EndOfStatement() const;
    void SkipStatement();
    void SkipLine() { m_at = m_line.tokens.size(); }

    // expressions.cpp
    ValueType Expression();
    ValueType Conjunction();
    ValueType Logical(ValueType (LineParser::*operand)(), std::string_view name,
                      std::string_view other);
    ValueType Relation();
    ValueType Sum();
    ValueType Term();
    ValueType Power();
    ValueType PowerChain();
    ValueType Factor();
    ValueType Operand();
    ValueType FunctionValue(const Token& token);
    ValueType FactorArgument(const Token& function);
    void Arguments(const Token& head, std::string_view signature, int minArgs);
    void LooseArguments();
    void Need(ValueType expected, ValueType found, const Token& at, std::string_view what);
    void NoteName(const Token& function, std::size_t index);

    // Shared
    const Token* Peek(std::size_t ahead = 0) const {
        return m_at + ahead < m_line.tokens.size() ? &m_line.tokens[m_at + ahead] : nullptr;
    }
    bool PeekIs(TokenKind kind) const {
        return m_at < m_line.tokens.size() && m_line.tokens[m_at].kind == kind;
    }
    bool PeekWord(std::string_view name) const {
        return PeekIs(TokenKind::Word) && m_line.tokens[m_at].word->name == name;
    }
    bool Expect(TokenKind kind, std::string_view what);
    void Fail(std::size_t begin, std::size_t end, std::string code, std::string message);
    void FailAtNext(std::string message);
    std::string_view TextOf(const Token& token) const;

    // Nesting deeper than this is taken as a mistake, so that no line exhausts the stack.
    static constexpr int kMaxDepth = 200;
    ValueType Nested(ValueType (LineParser::*body)());

    std::string_view m_text;
    const TokenizedLine& m_line;
    int m_depth = 0;
    std::size_t m_at = 0;
    bool m_failed = false;
    bool m_statementGoesOn = false; // after IF ... THEN the next statement follows without ":"
    LineSyntax m_syntax;
};

} // namespace vxcheck::basic
