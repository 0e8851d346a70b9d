// vxcheck lint: each input file checked as PHREEQC would read it, against the names of its
// database, with the findings printed as compilers print theirs or as one JSON array.
#pragma once

#include "arguments.h"

#include <ostream>
#include <string>

namespace vxcheck::cli {

// Lints invocation.files in order and prints their diagnostics on out; what keeps a file from
// being checked in full goes to err. environmentDatabase is PHREEQC_DATABASE (empty when unset).
// Returns kSuccess, kLintErrors or kCannotRead (run_cli.h).
int RunLint(const Invocation& invocation, const std::string& environmentDatabase, std::ostream& out,
            std::ostream& err);

} // namespace vxcheck::cli
