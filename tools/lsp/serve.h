// The entry point of `vxcheck lsp`: the language server on standard input and output.
#pragma once

namespace vxcheck::lsp {

// Serves on standard input and output until exit or the end of input, reading databases as the
// program does and taking PHREEQC_DATABASE from the environment. Returns the exit status.
int ServeStandardStreams();

} // namespace vxcheck::lsp
