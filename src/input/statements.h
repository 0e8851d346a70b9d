// Cutting an input into PHREEQC's logical statements and their words.
#pragma once

#include <vxcheck/input/model.h>

#include <string_view>
#include <vector>

namespace vxcheck {

// Blanks as PHREEQC's word reader skips them (byte 26, the old end-of-file mark, included).
bool IsBlank(char ch);

// The blank-delimited words of text.
std::vector<InputWord> SplitWords(std::string_view text);

// The non-blank logical statements of an input, in order, with their text, words and pieces;
// kind and block are left for the block reader.
std::vector<InputStatement> SplitStatements(std::string_view text);

} // namespace vxcheck
