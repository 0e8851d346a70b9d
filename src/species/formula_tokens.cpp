// Cutting a formula into tokens, byte by byte.
#include "formula_tokens.h"

#include <utility>

namespace vxcheck {

namespace {

bool IsSkipped(char ch) {
    return ch == '(' || ch == ')' || ch == '-' || ch == '+' || ch == '.' ||
           (ch >= '0' && ch <= '9');
}

} // namespace

// Bytes are compared as signed characters, so a byte of 128 or above is never an upper-case
// letter: it extends the current token like a lower-case letter.
std::vector<CString> FormulaTokens(const CString& formula) {
    std::vector<CString> tokens;
    CString current;
    for (int i = 0; i < formula.GetLength(); ++i) {
        const char ch = formula[i];
        if (ch >= 'A' && ch <= 'Z') {
            if (!current.IsEmpty()) {
                tokens.push_back(std::move(current));
            }
            current = ch;
        } else if (!IsSkipped(ch)) {
            current += ch;
        }
    }
    if (!current.IsEmpty()) {
        tokens.push_back(std::move(current));
    }
    return tokens;
}

} // namespace vxcheck
