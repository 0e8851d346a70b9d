// Formula tokens: the element-like pieces of a species or phase formula, looked up in the element
// word list by the species searches. No reaction is parsed.
#pragma once

#include <vxcheck/platform/cstring.h>

#include <vector>

namespace vxcheck {

// The tokens of formula, in order: an upper-case letter A to Z starts a token; "(", ")", "-",
// "+", "." and the digits are skipped without ending one; any other byte extends the current
// token (the first token may therefore begin with it). "Fe(OH)2+" gives Fe, O, H.
std::vector<CString> FormulaTokens(const CString& formula);

} // namespace vxcheck
