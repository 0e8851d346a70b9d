// The checker's 65 keywords as a table, for the library's own readers that need to know them
// without building a checker.
#pragma once

#include <span>

namespace vxcheck::detail {

// The keywords in keyword-list order, lower case as stored.
std::span<const char* const> CheckerKeywords();

} // namespace vxcheck::detail
