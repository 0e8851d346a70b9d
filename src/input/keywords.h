// Keyword lookup and letter case for the input reader.
#pragma once

#include <string>
#include <string_view>

namespace vxcheck {

// word with its ASCII letters in lower case, as PHREEQC folds keywords and options.
std::string LowerWord(std::string_view word);

// The block that a keyword spelling (lower case) opens, or "" when it is no keyword.
std::string_view KeywordBlock(std::string_view lower);

// Whether word is an option word as PHREEQC sees one: longer than one byte, "-" first and a
// letter second ("-1.5" is a number).
bool IsOptionWord(std::string_view word);

// Whether a block reads nothing after its keyword line: what follows stands outside any block.
bool ReadsKeywordLineOnly(std::string_view block);

} // namespace vxcheck
