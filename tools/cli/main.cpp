// vxcheck: the command line of the vxcheck library.
#include "run_cli.h"

#include "lsp/serve.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "lsp") {
        return vxcheck::lsp::ServeStandardStreams(); // the language server, docs/lsp.md
    }
    return vxcheck::cli::RunCli(args, std::cout, std::cerr);
}
