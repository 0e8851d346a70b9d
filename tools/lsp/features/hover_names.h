// Hover texts of the names that a database or the input defines.
#pragma once

#include "lsp/databases.h"

#include <vxcheck/input/names.h>

#include <string>
#include <string_view>
#include <vector>

namespace vxcheck::lsp {

// Markdown telling every definition of name in the first of tables that has one (the input's
// table before the database's): its kind, where it is defined, its formula, its reaction with
// its log K lines, and for an element its master species and valence states. Empty when no
// table defines the name. database tells gases from minerals, and may be null.
std::string NameHover(const std::vector<const NameTable*>& tables, const DatabaseNames* database,
                      std::string_view name);

} // namespace vxcheck::lsp
