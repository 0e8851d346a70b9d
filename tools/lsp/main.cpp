// vxcheck-lsp: the language server as a program of its own, until the vxcheck program serves it.
#include "lsp/serve.h"

int main() {
    return vxcheck::lsp::ServeStandardStreams();
}
