// vxcheck: the command line of the vxcheck library.
#include "run_cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vxcheck::cli::RunCli(args, std::cout, std::cerr);
}
