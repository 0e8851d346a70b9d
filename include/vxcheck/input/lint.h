// Checks a PHREEQC input as PHREEQC would read it, against the names of its database.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/input/diagnostic.h>
#include <vxcheck/input/names.h>

#include <string_view>
#include <vector>

namespace vxcheck {

// The diagnostics of an input text (any bytes), in text order. database holds the names of the
// input's database, or is null when the database is unknown or could not be read: then no name
// is judged against it. Names that the input defines itself are always known.
VXCHECK_API std::vector<Diagnostic> LintInput(std::string_view text, const NameTable* database);

} // namespace vxcheck
