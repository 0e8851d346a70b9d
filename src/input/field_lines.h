// The kinds of a line's words from what the line is (block, option, the option it continues),
// for ClassifyFields and for a line still being written at a point.
#pragma once

#include <vxcheck/input/fields.h>
#include <vxcheck/input/model.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace vxcheck {

struct LineShape {
    std::string_view block;     // lower-case block name
    bool optionLine = false;    // an option line: word 0 is its option word
    std::string_view option;    // the option an option line selects ("" when none)
    std::string_view continued; // a data line: the option before it in its block, or ""
    bool equation = false;      // the line holds "=" (PHASES reads a reaction)
};

// The kinds of the first count words of such a line.
std::vector<FieldKind> LineFieldKinds(const LineShape& line, std::size_t count);

// The option of the last option statement of block blockIndex before statement index, looked for
// a bounded number of statements back; "" when none.
std::string_view ContinuedOption(const InputModel& model, int blockIndex, std::size_t index);

} // namespace vxcheck
