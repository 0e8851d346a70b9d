// Expressions, with PHREEQC's precedence from loosest to tightest: OR and XOR, AND, the
// comparisons, + and -, * / and MOD, ^ (to the right), then operands. A type is judged only where
// it is certain: names ending in "$" hold strings, other names numbers.
#include "basic/parser.h"

#include <string>

namespace vxcheck::basic {
namespace {

bool IsComparison(TokenKind kind) {
    return kind == TokenKind::Equal || kind == TokenKind::Less || kind == TokenKind::LessEqual ||
           kind == TokenKind::Greater || kind == TokenKind::GreaterEqual ||
           kind == TokenKind::NotEqual;
}

const char* TypeName(ValueType type) {
    return type == ValueType::String ? "a string" : "a number";
}

bool Known(ValueType type) {
    return type != ValueType::Unknown;
}

ValueType VariableType(std::string_view name) {
    return !name.empty() && name.back() == '$' ? ValueType::String : ValueType::Number;
}

} // namespace

void LineParser::Need(ValueType expected, ValueType found, const Token& at, std::string_view what) {
    if (m_failed || !Known(expected) || !Known(found) || expected == found) {
        return;
    }
    Fail(at.begin, at.end, "basic-type-mismatch",
         std::string(what) + " needs " + TypeName(expected) + ", not " + TypeName(found) + ".");
}

ValueType LineParser::Expression() {
    return Logical(&LineParser::Conjunction, "or", "xor");
}

ValueType LineParser::Conjunction() {
    return Logical(&LineParser::Relation, "and", "and");
}

// Operands joined by the logical operators named: numbers only, combined bit by bit.
ValueType LineParser::Logical(ValueType (LineParser::*operand)(), std::string_view name,
                              std::string_view other) {
    ValueType left = (this->*operand)();
    while (!m_failed && (PeekWord(name) || PeekWord(other))) {
        const Token& op = *Peek();
        ++m_at;
        const ValueType right = (this->*operand)();
        Need(ValueType::Number, left, op, TextOf(op));
        Need(ValueType::Number, right, op, TextOf(op));
        left = ValueType::Number;
    }
    return left;
}

ValueType LineParser::Relation() {
    ValueType left = Sum();
    while (!m_failed && Peek() != nullptr && IsComparison(Peek()->kind)) {
        const Token& op = *Peek();
        ++m_at;
        const ValueType right = Sum();
        if (!m_failed && Known(left) && Known(right) && left != right) {
            Fail(op.begin, op.end, "basic-type-mismatch",
                 "A string cannot be compared with a number.");
        }
        left = ValueType::Number;
    }
    return left;
}

ValueType LineParser::Sum() {
    ValueType left = Term();
    while (!m_failed && (PeekIs(TokenKind::Plus) || PeekIs(TokenKind::Minus))) {
        const Token& op = *Peek();
        ++m_at;
        const ValueType right = Term();
        if (op.kind == TokenKind::Minus) {
            Need(ValueType::Number, left, op, "-");
            Need(ValueType::Number, right, op, "-");
            left = ValueType::Number;
        } else if (!m_failed && Known(left) && Known(right) && left != right) {
            Fail(op.begin, op.end, "basic-type-mismatch",
                 "+ joins two strings or adds two numbers, not a string and a number.");
        } else if (left != right) {
            left = ValueType::Unknown;
        }
    }
    return left;
}

ValueType LineParser::Term() {
    ValueType left = Power();
    while (!m_failed &&
           (PeekIs(TokenKind::Times) || PeekIs(TokenKind::Divide) || PeekWord("mod"))) {
        const Token& op = *Peek();
        ++m_at;
        const ValueType right = Power();
        Need(ValueType::Number, left, op, TextOf(op));
        Need(ValueType::Number, right, op, TextOf(op));
        left = ValueType::Number;
    }
    return left;
}

// body, one level deeper; nesting deeper than kMaxDepth is reported instead of read.
ValueType LineParser::Nested(ValueType (LineParser::*body)()) {
    ValueType result = ValueType::Unknown;
    if (++m_depth <= kMaxDepth) {
        result = (this->*body)();
    } else {
        FailAtNext("The expression is nested too deeply to be read.");
    }
    --m_depth;
    return result;
}

ValueType LineParser::Power() {
    return Nested(&LineParser::PowerChain);
}

ValueType LineParser::PowerChain() {
    const ValueType left = Factor();
    if (m_failed || !PeekIs(TokenKind::Power)) {
        return left;
    }
    const Token& op = *Peek();
    ++m_at;
    const ValueType right = Power();
    Need(ValueType::Number, left, op, "^");
    Need(ValueType::Number, right, op, "^");
    return ValueType::Number;
}

ValueType LineParser::Factor() {
    return Nested(&LineParser::Operand);
}

ValueType LineParser::Operand() {
    const Token* token = Peek();
    if (token == nullptr) {
        FailAtNext("A value is missing here.");
        return ValueType::Unknown;
    }
    ++m_at;
    switch (token->kind) {
    case TokenKind::Number:
        return ValueType::Number;
    case TokenKind::String:
        return ValueType::String;
    case TokenKind::Name:
        if (PeekIs(TokenKind::LeftParen)) {
            m_syntax.arrays.push_back(
                {std::string(token->Name()), token->begin, token->end, false});
            ++m_at;
            ExpressionList(true);
            Expect(TokenKind::RightParen, "\")\" after the subscripts");
        }
        return VariableType(token->Name());
    case TokenKind::LeftParen: {
        const ValueType inside = Expression();
        Expect(TokenKind::RightParen, "\")\"");
        return inside;
    }
    case TokenKind::Minus:
    case TokenKind::Plus:
        Need(ValueType::Number, Factor(), *token, TextOf(*token));
        return ValueType::Number;
    case TokenKind::Word:
        if (token->word->name == "not") {
            Need(ValueType::Number, Factor(), *token, "NOT");
            return ValueType::Number;
        }
        if (token->word->role == WordRole::Function) {
            return FunctionValue(*token);
        }
        break;
    default:
        break;
    }
    --m_at;
    FailAtNext("A value is missing before \"" + std::string(TextOf(*token)) + "\".");
    return ValueType::Unknown;
}

ValueType LineParser::FunctionValue(const Token& token) {
    const BasicWord& word = *token.word;
    switch (word.form) {
    case ArgForm::None:
        break;
    case ArgForm::Factor: {
        NoteName(token, m_at);
        const ValueType argument = FactorArgument(token);
        Need(word.args == "s" ? ValueType::String : ValueType::Number, argument, token,
             TextOf(token));
        break;
    }
    case ArgForm::Call:
        if (!PeekIs(TokenKind::LeftParen)) {
            FailAtNext(std::string(TextOf(token)) + " needs its arguments in parentheses.");
            break;
        }
        Arguments(token, word.args, word.minArgs);
        break;
    case ArgForm::Loose:
        if (PeekIs(TokenKind::LeftParen)) {
            LooseArguments();
        } else if (PeekIs(TokenKind::Number) || PeekIs(TokenKind::String) ||
                   PeekIs(TokenKind::Name)) {
            Factor();
        }
        break;
    }
    return word.result;
}

// The one operand of SQRT, SI, TOT...: PHREEQC reads a single operand, so a list in the
// parentheses is an argument too many.
ValueType LineParser::FactorArgument(const Token& function) {
    if (!PeekIs(TokenKind::LeftParen)) {
        return Factor();
    }
    ++m_at;
    const ValueType inside = Expression();
    if (!m_failed && PeekIs(TokenKind::Comma)) {
        Fail(Peek()->begin, Peek()->end, "basic-arguments",
             std::string(TextOf(function)) + " takes one argument.");
    }
    Expect(TokenKind::RightParen, "\")\"");
    return inside;
}

// A list in parentheses whose letters are those of BasicWord::args.
void LineParser::Arguments(const Token& head, std::string_view signature, int minArgs) {
    ++m_at; // "("
    const bool repeats = !signature.empty() && signature.back() == '*';
    const std::size_t fixed = repeats ? signature.size() - 1 : signature.size();
    std::size_t count = 0;
    if (!(minArgs == 0 && PeekIs(TokenKind::RightParen))) {
        for (;;) {
            const char letter =
                count < fixed ? signature[count] : (repeats ? signature[fixed - 1] : 'x');
            const Token* start = Peek();
            if (count == 0) {
                NoteName(head, m_at);
            }
            if ((letter == 'v' || letter == 'w') && start != nullptr &&
                start->kind == TokenKind::Name) {
                ++m_at;
                m_syntax.arrays.push_back(
                    {std::string(start->Name()), start->begin, start->end, true});
                Need(letter == 'w' ? ValueType::String : ValueType::Number,
                     VariableType(start->Name()), *start, TextOf(head));
            } else if (letter == 'v' || letter == 'w') {
                FailAtNext(std::string(TextOf(head)) + " needs the name of a variable here.");
            } else {
                const ValueType type = Expression();
                if (start != nullptr && (letter == 'n' || letter == 's')) {
                    Need(letter == 's' ? ValueType::String : ValueType::Number, type, *start,
                         TextOf(head));
                }
            }
            ++count;
            if (m_failed || !PeekIs(TokenKind::Comma)) {
                break;
            }
            ++m_at;
        }
    }
    if (m_failed) {
        return;
    }
    if (count < static_cast<std::size_t>(minArgs) || (!repeats && count > fixed)) {
        const std::string range = static_cast<std::size_t>(minArgs) == fixed
                                      ? std::to_string(fixed)
                                      : std::to_string(minArgs) + " to " + std::to_string(fixed);
        Fail(head.begin, head.end, "basic-arguments",
             std::string(TextOf(head)) + " takes " + range + " argument" + (fixed == 1 ? "" : "s") +
                 ", not " + std::to_string(count) + ".");
        return;
    }
    Expect(TokenKind::RightParen, "\")\" after the arguments");
}

void LineParser::LooseArguments() {
    ++m_at;
    if (!PeekIs(TokenKind::RightParen)) {
        ExpressionList(false);
    }
    Expect(TokenKind::RightParen, "\")\"");
}

// A literal string written as the operand of a function that looks names up.
void LineParser::NoteName(const Token& function, std::size_t index) {
    if (!function.word->names) {
        return;
    }
    const auto at = [&](std::size_t ahead) {
        return index + ahead < m_line.tokens.size() ? &m_line.tokens[index + ahead] : nullptr;
    };
    const Token* literal = at(0);
    if (literal != nullptr && literal->kind == TokenKind::LeftParen) {
        literal = at(1);
        const Token* close = at(2);
        if (close == nullptr || close->kind != TokenKind::RightParen) {
            return;
        }
    }
    if (literal == nullptr || literal->kind != TokenKind::String ||
        literal->end < literal->begin + 2) {
        return;
    }
    BasicNameUse use;
    use.begin = literal->begin + 1;
    use.end = literal->end - 1;
    use.kind = *function.word->names;
    use.name = m_text.substr(use.begin, use.end - use.begin);
    use.function = function.word->name;
    m_syntax.names.push_back(use);
}

} // namespace vxcheck::basic
