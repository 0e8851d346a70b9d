// Wires the server to the process: standard streams, the environment, the database reader.
#include "lsp/serve.h"

#include "lsp/server.h"

#include <cstdlib>
#include <iostream>

namespace vxcheck::lsp {

int ServeStandardStreams() {
    // Unsynchronised streams are buffered, so the server can see which messages already wait.
    std::ios::sync_with_stdio(false);
    const char* environment = std::getenv("PHREEQC_DATABASE");
    Server server(std::cin, std::cout,
                  ServerConfig{ReadThroughChecker, environment != nullptr ? environment : ""});
    return server.Run();
}

} // namespace vxcheck::lsp
