// The order of a run: the command line is checked whole, then every database file is read (a bare
// file name found nowhere else is the installed database of that name), and only then does the
// checker read any of them.
#include "run_cli.h"

#include "arguments.h"
#include "commands.h"
#include "common/database_path.h"
#include "help.h"
#include "lint.h"
#include "output.h"

#include <vxcheck/check.h>
#include <vxcheck/database_file.h>

#include <cstdlib>

namespace vxcheck::cli {

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
    // Each file is read once, whole, before the checker reads any of them.
    std::vector<DatabaseFile> files;
    for (const std::string& name : invocation.databases) {
        const std::string path = tools::ResolveDatabase(name);
        files.push_back(ReadDatabaseFile(CString(path.data(), static_cast<int>(path.size()))));
        if (!files.back().read) {
            err << "vxcheck: cannot read database '" << name << "': " << files.back().reason
                << '\n';
            return kCannotOpen;
        }
    }
    Cvx_Check checker;
    for (const DatabaseFile& file : files) {
        ReadDatabaseBytes(checker, file.bytes,
                          invocation.phreeqc3 ? DatabaseReading::Phreeqc3 : DatabaseReading::Plain);
    }
    Output output(out, invocation.json);
    RunCommand(invocation, checker, output, err);
    return kSuccess;
}

} // namespace vxcheck::cli
