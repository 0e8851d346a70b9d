// vxcheck: the command line of the vxcheck library.
#include "run_cli.h"

#include "lsp/serve.h"

#include <iostream>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif
#include <string>
#include <vector>

int main(int argc, char** argv) {
#if defined(_WIN32)
    // Bytes in and out as they are: a line ends in "\n" as elsewhere, and the server's framing
    // counts the bytes that really travel.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "lsp") {
        return vxcheck::lsp::ServeStandardStreams(); // the language server, docs/lsp.md
    }
    return vxcheck::cli::RunCli(args, std::cout, std::cerr);
}
