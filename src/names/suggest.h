// The nearest of some names to a misspelt one, for NameTable::Suggest and for lookups that span
// several tables.
#pragma once

#include <vxcheck/input/names.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vxcheck::names {

// The one entry's name nearest to name among entries, when one is clearly meant (see
// suggest.cpp); nullopt when none is near, two are as near, or name is itself one of them.
std::optional<std::string> Nearest(std::span<const NameEntry* const> entries,
                                   std::string_view name);

} // namespace vxcheck::names
