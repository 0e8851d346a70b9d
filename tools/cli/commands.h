// Runs the command of an invocation on a checker that has read its databases, and prints the
// answer.
#pragma once

#include "arguments.h"
#include "output.h"

#include <ostream>

class Cvx_Check;

namespace vxcheck::cli {

// Prints the answer to output; a remark that does not change the answer (an unknown mode word)
// goes to err.
void RunCommand(const Invocation& invocation, Cvx_Check& checker, Output& output,
                std::ostream& err);

} // namespace vxcheck::cli
