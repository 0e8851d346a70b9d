// The statements of a line, separated by ":" (and by ELSE), each read as PHREEQC's interpreter
// runs it: what it requires is an error where it is missing, what it skips is not read.
#include "basic/parser.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace vxcheck::basic {
namespace {

// Statements whose use in PHREEQC we do not judge (the interactive commands of the BASIC that
// PHREEQC's interpreter grew from): what follows them up to the next ":" is not read.
bool IsUnjudged(std::string_view name) {
    return name == "list" || name == "run" || name == "new" || name == "load" || name == "merge" ||
           name == "del" || name == "renum" || name == "gotoxy" || name == "poke" ||
           name == "data" || name == "put$";
}

} // namespace

LineSyntax ParseLine(std::string_view text, const TokenizedLine& line) {
    return LineParser(text, line).Run();
}

LineSyntax LineParser::Run() {
    while (!m_failed && m_at < m_line.tokens.size()) {
        if (PeekIs(TokenKind::Colon)) {
            ++m_at;
            continue;
        }
        if (PeekWord("else")) { // a jump or the statements run when the IF is false
            ++m_at;
            if (PeekIs(TokenKind::Number)) {
                JumpTarget();
                ++m_at;
            }
            continue;
        }
        m_statementGoesOn = false;
        Statement();
        if (!m_failed && !m_statementGoesOn && !EndOfStatement()) {
            const Token& extra = *Peek();
            Fail(extra.begin, extra.end, "basic-syntax",
                 "\"" + std::string(TextOf(extra)) +
                     "\" is not expected here; statements are separated by \":\".");
        }
    }
    return std::move(m_syntax);
}

void LineParser::Statement() {
    const Token& token = *Peek();
    if (token.kind == TokenKind::Rem) {
        ++m_at;
        return;
    }
    if (token.kind == TokenKind::Name) {
        Assignment();
        return;
    }
    if (token.kind == TokenKind::Question) {
        ++m_at;
        ExpressionList(false);
        return;
    }
    const std::string_view name =
        token.kind == TokenKind::Word ? token.word->name : std::string_view();
    if (token.kind != TokenKind::Word ||
        (token.word->role != WordRole::Statement && token.word->form != ArgForm::Loose)) {
        Fail(token.begin, token.end, "basic-unknown-statement",
             "\"" + std::string(TextOf(token)) + "\" cannot begin a statement.");
        return;
    }
    ++m_at;
    // RETURN goes back to its GOSUB and passes over the rest of its own statement.
    if (token.word->role != WordRole::Statement || IsUnjudged(name) || name == "return") {
        SkipStatement();
    } else if (name == "let") {
        Assignment();
    } else if (name == "print" || name == "punch" || name == "graph_x" || name == "graph_y" ||
               name == "graph_sy") {
        ExpressionList(false);
    } else if (name == "plot_xy") {
        // x and y; USER_GRAPH takes the curve's settings after them (color = Red, ...) itself.
        for (int value = 0; value < 2 && !m_failed && !EndOfStatement(); ++value) {
            Expression();
            if (PeekIs(TokenKind::Comma) || PeekIs(TokenKind::Semicolon)) {
                ++m_at;
            }
        }
        SkipStatement();
    } else if (name == "save") {
        ExpressionList(true);
    } else if (name == "put") {
        Arguments(token, "nn*", 1);
    } else if (name == "change_por") {
        Arguments(token, "nn", 2);
    } else if (name == "change_surf") {
        Arguments(token, "snsnn", 5);
    } else if (name == "goto") {
        JumpTarget();
        Expression();
        SkipLine(); // the rest of the line is never run
    } else if (name == "gosub" || name == "restore") {
        if (!EndOfStatement() || name == "gosub") {
            JumpTarget();
            Expression();
        }
        SkipStatement();
    } else if (name == "if") {
        IfStatement();
    } else if (name == "end" || name == "stop" || name == "bye" || name == "quit") {
        SkipLine();
    } else if (name == "for") {
        ForStatement();
    } else if (name == "next") {
        LineSyntax::Loop loop{false, "", token.begin, token.end};
        if (!EndOfStatement() && PeekIs(TokenKind::Name)) {
            loop.variable = std::string(Peek()->Name());
        }
        m_syntax.loops.push_back(loop);
        if (!EndOfStatement()) {
            Lvalue(false);
        }
    } else if (name == "while" || name == "wend") {
        if (!EndOfStatement()) {
            Need(ValueType::Number, Expression(), token, TextOf(token));
        }
    } else if (name == "read" || name == "erase") {
        do {
            Lvalue(name == "read");
        } while (!m_failed && !EndOfStatement() && Expect(TokenKind::Comma, "\",\""));
    } else if (name == "on") {
        OnStatement();
    } else if (name == "dim") {
        DimStatement();
    } else if (name == "input") {
        Fail(token.begin, token.end, "basic-unknown-statement",
             "INPUT cannot be used in PHREEQC: a program cannot ask for input.");
    }
}

void LineParser::Assignment() {
    const Token* target = Peek();
    Lvalue(true);
    if (m_failed) {
        return;
    }
    if (!PeekIs(TokenKind::Equal)) {
        FailAtNext("\"=\" is missing after " + std::string(TextOf(*target)) +
                   " (a word that is not a statement names a variable).");
        return;
    }
    const Token& equal = *Peek();
    ++m_at;
    const ValueType value = Expression();
    Need(target->kind == TokenKind::Name && !target->Name().empty() && target->Name().back() == '$'
             ? ValueType::String
             : ValueType::Number,
         value, equal, target->Name().empty() ? "=" : target->Name());
}

void LineParser::Lvalue(bool fills) {
    const Token* name = Peek();
    if (name == nullptr || name->kind != TokenKind::Name) {
        FailAtNext("A variable name is missing here.");
        return;
    }
    ++m_at;
    if (PeekIs(TokenKind::LeftParen)) {
        m_syntax.arrays.push_back({std::string(name->Name()), name->begin, name->end, fills});
        ++m_at;
        ExpressionList(true);
        Expect(TokenKind::RightParen, "\")\" after the subscripts");
    }
}

// Expressions separated by "," or ";", or by nothing, up to the end of the statement.
void LineParser::ExpressionList(bool numbersOnly) {
    while (!m_failed && !EndOfStatement() && !PeekIs(TokenKind::RightParen)) {
        if (PeekIs(TokenKind::Comma) || PeekIs(TokenKind::Semicolon)) {
            ++m_at;
            continue;
        }
        const Token& start = *Peek();
        const ValueType type = Expression();
        if (numbersOnly) {
            Need(ValueType::Number, type, start, "This place");
        }
    }
}

void LineParser::ForStatement() {
    const Token* variable = Peek();
    Lvalue(false);
    if (m_failed) {
        return;
    }
    m_syntax.loops.push_back({true, std::string(variable->Name()), variable->begin, variable->end});
    if (variable->Name().back() == '$') {
        Fail(variable->begin, variable->end, "basic-type-mismatch",
             "FOR counts with a number variable, not a string variable.");
        return;
    }
    if (!Expect(TokenKind::Equal, "\"=\" after the FOR variable")) {
        return;
    }
    Need(ValueType::Number, Expression(), *variable, "FOR");
    if (!m_failed && !PeekWord("to")) {
        FailAtNext("FOR needs TO here.");
        return;
    }
    ++m_at;
    Need(ValueType::Number, Expression(), *variable, "FOR");
    if (!m_failed && PeekWord("step")) {
        ++m_at;
        Need(ValueType::Number, Expression(), *variable, "STEP");
    }
}

void LineParser::IfStatement() {
    const Token& start = m_line.tokens[m_at - 1];
    Need(ValueType::Number, Expression(), start, "IF");
    if (m_failed) {
        return;
    }
    if (!PeekWord("then")) {
        FailAtNext("IF needs THEN after its condition.");
        return;
    }
    ++m_at;
    if (PeekIs(TokenKind::Number)) {
        JumpTarget();
        ++m_at;
        // A true condition jumps; a false one goes on after ELSE. Nothing between is run.
        while (m_at < m_line.tokens.size() && !PeekWord("else")) {
            ++m_at;
        }
        return;
    }
    m_statementGoesOn = true;
}

void LineParser::OnStatement() {
    const Token& start = m_line.tokens[m_at - 1];
    Need(ValueType::Number, Expression(), start, "ON");
    if (m_failed) {
        return;
    }
    if (!PeekWord("goto") && !PeekWord("gosub")) {
        FailAtNext("ON needs GOTO or GOSUB after its value.");
        return;
    }
    ++m_at;
    while (!m_failed && !EndOfStatement()) {
        if (PeekIs(TokenKind::Number)) {
            JumpTarget();
        }
        Expression();
        if (!EndOfStatement()) {
            Expect(TokenKind::Comma, "\",\" between line numbers");
        }
    }
}

void LineParser::DimStatement() {
    do {
        const Token* name = Peek();
        if (name == nullptr || name->kind != TokenKind::Name) {
            FailAtNext("DIM needs the name of an array here.");
            return;
        }
        ++m_at;
        if (!Expect(TokenKind::LeftParen, "\"(\" and the array's sizes")) {
            return;
        }
        m_syntax.arrays.push_back({std::string(name->Name()), name->begin, name->end, true});
        ExpressionList(true);
        Expect(TokenKind::RightParen, "\")\" after the sizes");
    } while (!m_failed && !EndOfStatement() && Expect(TokenKind::Comma, "\",\""));
}

void LineParser::JumpTarget() {
    const Token* number = Peek();
    if (number == nullptr || number->kind != TokenKind::Number) {
        return;
    }
    // PHREEQC rounds the number; one beyond any line number stays beyond them.
    double value = 0;
    std::from_chars(m_text.data() + number->begin, m_text.data() + number->end, value);
    const double rounded = std::floor(value + 0.5);
    const long target = rounded < 1e15 ? static_cast<long>(rounded) : LONG_MAX;
    m_syntax.jumps.push_back({number->begin, number->end, target});
}

bool LineParser::EndOfStatement() const {
    return m_at >= m_line.tokens.size() || PeekIs(TokenKind::Colon) || PeekWord("else");
}

void LineParser::SkipStatement() {
    while (!EndOfStatement()) {
        ++m_at;
    }
}

bool LineParser::Expect(TokenKind kind, std::string_view what) {
    if (m_failed) {
        return false;
    }
    if (!PeekIs(kind)) {
        FailAtNext(std::string(what) + " is missing here.");
        return false;
    }
    ++m_at;
    return true;
}

void LineParser::Fail(std::size_t begin, std::size_t end, std::string code, std::string message) {
    if (m_failed) {
        return;
    }
    m_failed = true;
    BasicFinding finding;
    finding.begin = begin;
    finding.end = end;
    finding.code = std::move(code);
    finding.message = std::move(message);
    m_syntax.findings.push_back(std::move(finding));
}

// A mistake at the next token, or at the last one when the line ends early.
void LineParser::FailAtNext(std::string message) {
    const Token* next = Peek();
    if (next == nullptr && !m_line.tokens.empty()) {
        const Token& last = m_line.tokens.back();
        Fail(last.begin, last.end, "basic-syntax",
             "The line ends too early after \"" + std::string(TextOf(last)) + "\": " + message);
        return;
    }
    const std::size_t begin = next != nullptr ? next->begin : m_text.size();
    Fail(begin, next != nullptr ? next->end : begin, "basic-syntax", std::move(message));
}

std::string_view LineParser::TextOf(const Token& token) const {
    return m_text.substr(token.begin, token.end - token.begin);
}

} // namespace vxcheck::basic
