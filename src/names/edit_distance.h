// The edit distance behind every "did you mean": inserts, deletes, replacements and swaps of two
// neighbouring bytes each count as one edit.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vxcheck {

// Three rows of the distance table, kept by a caller that compares one word with many, so that
// the comparisons allocate once.
struct EditRows {
    std::vector<std::size_t> before, previous, current;
};

// The edit distance of a and b, or limit + 1 once it is sure to exceed limit.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit, EditRows& rows);

} // namespace vxcheck
