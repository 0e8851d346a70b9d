// The words of PHREEQC's BASIC: what each one is, and for each function what it takes and gives.
#pragma once

#include <vxcheck/input/names.h>

#include <optional>
#include <string_view>

namespace vxcheck::basic {

enum class WordRole {
    Statement, // starts a statement: PRINT, FOR, PUT, ...
    Operator,  // AND, OR, XOR, NOT, MOD
    Clause,    // THEN, ELSE, TO, STEP: parts of a statement
    Function,  // gives a value inside an expression
};

// How a function takes its arguments.
enum class ArgForm {
    None,   // no argument: TC, MU, TIME
    Factor, // one operand written right after it, usually in parentheses: SI("Calcite"), SQRT(x)
    Call,   // a parenthesised list: INSTR(a$, b$), SURF("As", "Hfo")
    Loose,  // not judged: whatever follows in parentheses is read as a list of expressions
};

enum class ValueType { Number, String, Unknown };

// A function's signature. For Factor, args is the operand's type ("n" or "s"). For Call, one
// letter per argument: n number, s string, v numeric variable, w string variable, x anything;
// a trailing "*" repeats the last letter; minArgs are required and the rest optional.
struct BasicWord {
    constexpr BasicWord(std::string_view name_, WordRole role_, ArgForm form_ = ArgForm::Loose,
                        std::string_view args_ = {}, int minArgs_ = 0,
                        ValueType result_ = ValueType::Unknown,
                        std::optional<NameKind> names_ = std::nullopt)
        : name(name_), role(role_), form(form_), args(args_), minArgs(minArgs_), result(result_),
          names(names_) {}

    std::string_view name; // lower case
    WordRole role;
    ArgForm form;
    std::string_view args;
    int minArgs;
    ValueType result;
    std::optional<NameKind> names; // what a literal first argument names, when it is looked up
};

// The word of a lower-case token, or null for a variable name.
const BasicWord* FindWord(std::string_view lowerName);

// The function closest to a misspelt name, when one is clearly meant.
std::optional<std::string_view> ClosestFunction(std::string_view name);

} // namespace vxcheck::basic
