// The whole vxcheck program behind main: usable from tests and fuzz targets with string streams.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vxcheck::cli {

// Exit statuses.
constexpr int kSuccess = 0;
constexpr int kCannotOpen = 1; // a --db file cannot be read
constexpr int kUsage = 2;      // the command line is wrong
constexpr int kLintErrors = 1; // lint: a file has an error
constexpr int kCannotRead = 3; // lint: a file or a database cannot be read

// Runs vxcheck with the words after the program name: reads the databases, answers on out,
// reports on err, and returns the exit status. lint reads PHREEQC_DATABASE from the environment.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vxcheck::cli
