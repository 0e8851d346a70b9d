// The order of a run: the command line is checked whole, then every database path (a bare file
// name found nowhere else is the installed database of that name), and only then is anything read.
#include "run_cli.h"

#include "arguments.h"
#include "commands.h"
#include "common/database_path.h"
#include "help.h"
#include "lint.h"
#include "output.h"

#include <vxcheck/check.h>
#include <vxcheck/phreeqc3.h>

#include <cstdio>
#include <cstdlib>

namespace vxcheck::cli {

namespace {

// The same test the checker's reader makes when it opens a database.
bool CanOpen(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParseResult parsed = ParseArguments(args);
    if (!parsed.error.empty()) {
        err << "vxcheck: " << parsed.error << '\n'
            << UsageText() << "Try 'vxcheck --help' for more information.\n";
        return kUsage;
    }
    const Invocation& invocation = parsed.invocation;
    if (invocation.help || invocation.version) {
        out << (invocation.help ? HelpText() : VersionText());
        return kSuccess;
    }
    if (invocation.command == Command::Lint) {
        const char* environment = std::getenv("PHREEQC_DATABASE");
        return RunLint(invocation, environment != nullptr ? environment : "", out, err);
    }
    std::vector<std::string> paths;
    for (const std::string& name : invocation.databases) {
        paths.push_back(tools::ResolveDatabase(name));
        if (!CanOpen(paths.back())) {
            err << "vxcheck: cannot open database '" << name << "'\n";
            return kCannotOpen;
        }
    }
    Cvx_Check checker;
    for (const std::string& path : paths) {
        if (!invocation.phreeqc3) {
            checker.ReadDatabase(path.c_str());
        } else if (!ReadDatabasePhreeqc3(checker, path.c_str())) {
            err << "vxcheck: cannot read database '" << path << "' as PHREEQC 3 does\n";
            return kCannotOpen;
        }
    }
    Output output(out, invocation.json);
    RunCommand(invocation, checker, output, err);
    return kSuccess;
}

} // namespace vxcheck::cli
