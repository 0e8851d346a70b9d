// Runs vxcheck in-process for the tests and keeps what it printed.
#pragma once

#include "run_cli.h"

#include <sstream>
#include <string>
#include <vector>

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun RunVxcheck(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = vxcheck::cli::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// The text form of a list: every entry followed by a line feed.
inline std::string Lines(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry + "\n";
    }
    return text;
}
