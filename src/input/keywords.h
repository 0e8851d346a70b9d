// Keyword lookup for the input reader; letter case is folded by common/ascii_case.h.
#pragma once

#include "common/ascii_case.h"

#include <string>
#include <string_view>

namespace vxcheck {

// The block that a keyword spelling (lower case) opens, or "" when it is no keyword.
std::string_view KeywordBlock(std::string_view lower);

// Whether word is an option word as PHREEQC sees one: longer than one byte, "-" first and a
// letter second ("-1.5" is a number).
bool IsOptionWord(std::string_view word);

// Whether a block reads nothing after its keyword line: what follows stands outside any block.
bool ReadsKeywordLineOnly(std::string_view block);

} // namespace vxcheck
