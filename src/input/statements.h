// Cutting an input into PHREEQC's logical statements and their words.
#pragma once

#include <vxcheck/input/model.h>

#include <string_view>
#include <vector>

namespace vxcheck {

// Blanks as PHREEQC's word reader skips them (byte 26, the old end-of-file mark, included).
inline bool IsBlank(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r') || ch == '\x1a';
}

// Appends the blank-delimited words of text to words; returns how many.
std::size_t AppendWords(std::string_view text, std::vector<InputWord>& words);

// Appends the non-blank logical statements of an input to model, in order, with their text,
// words and pieces, up to limit statements; kind and block are left for the block reader.
void SplitStatements(std::string_view text, InputModel& model,
                     std::size_t limit = static_cast<std::size_t>(-1));

} // namespace vxcheck
