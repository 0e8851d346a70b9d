// Fuzz target: the vxcheck command line's argument handling. The input's lines up to the first
// empty line are the arguments; the rest is the file input.dat, which --db may name beside
// sample.dat (the sample database) and phreeqc.dat. The program runs in a folder of its own that
// holds these three files, and a "/" in an argument reads as "_", so that no other file of the
// machine (a device, a pipe that never ends) can be named; lint reads only regular files as
// databases, so neither can a DATABASE line of input.dat. PHREEQC_DATABASE is unset.
#include "arguments.h"
#include "fuzz_input.h"
#include "run_cli.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using vxcheck::fuzz::Expect;

namespace {

class Folder {
  public:
    Folder() {
        std::string name = std::filesystem::temp_directory_path() / "vxcheck-cli-fuzz-XXXXXX";
        Expect(mkdtemp(name.data()) != nullptr, "a temporary folder can be made");
        m_path = name;
        std::filesystem::create_symlink(VXCHECK_SOURCE_DIR "/data/sample.dat",
                                        m_path / "sample.dat");
        std::filesystem::create_symlink(VXCHECK_DATA_DIR "/databases/phreeqc.dat",
                                        m_path / "phreeqc.dat");
        std::filesystem::current_path(m_path);
        unsetenv("PHREEQC_DATABASE");
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

  private:
    std::filesystem::path m_path;
};

// The JSON check follows the options as the program parsed them: a "--json" that stands after the
// command is a word of the command, not the flag. Without the flag, or with --help or --version,
// nothing is checked; with it the answer is one line: every byte below 0x20 or above 0x7E is
// written as an escape.
void CheckJson(const std::vector<std::string>& args, const std::string& out) {
    const vxcheck::cli::Invocation invocation = vxcheck::cli::ParseArguments(args).invocation;
    if (!invocation.json || invocation.help || invocation.version) {
        return;
    }
    Expect(!out.empty() && out.back() == '\n', "a JSON answer ends with a line feed");
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        Expect(byte >= 0x20 && byte < 0x7F, "a JSON answer holds only printable ASCII");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder folder;
    std::vector<std::string> args;
    std::size_t at = 0;
    while (at < size && data[at] != '\n') {
        std::string arg;
        for (; at < size && data[at] != '\n'; ++at) {
            arg.push_back(data[at] == '/' ? '_' : static_cast<char>(data[at]));
        }
        args.push_back(arg);
        ++at; // the line feed
    }
    {
        std::ofstream input("input.dat", std::ios::binary | std::ios::trunc);
        const std::size_t rest = std::min(at + 1, size);
        input.write(reinterpret_cast<const char*>(data + rest),
                    static_cast<std::streamsize>(size - rest));
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = vxcheck::cli::RunCli(args, out, err);
    // The command as the program parsed it: "lint" may also be a search word of another command.
    const vxcheck::cli::ParseResult parsed = vxcheck::cli::ParseArguments(args);
    const bool lint = parsed.error.empty() && !parsed.invocation.help &&
                      !parsed.invocation.version &&
                      parsed.invocation.command == vxcheck::cli::Command::Lint;
    Expect(status == vxcheck::cli::kSuccess || status == vxcheck::cli::kCannotOpen ||
               status == vxcheck::cli::kUsage || (lint && status == vxcheck::cli::kCannotRead),
           "the exit status is 0, 1 or 2, or 3 for lint");
    Expect(status != vxcheck::cli::kUsage || (!err.str().empty() && out.str().empty()),
           "a usage error says why on standard error and answers nothing");
    if (lint) {
        Expect(status != vxcheck::cli::kCannotRead || !err.str().empty(),
               "lint says on standard error what it cannot read");
        Expect(status != vxcheck::cli::kLintErrors || !out.str().empty(),
               "lint that finds an error prints it");
    } else {
        Expect(status == vxcheck::cli::kSuccess || (!err.str().empty() && out.str().empty()),
               "a failed run says why on standard error and answers nothing");
    }
    if (status != vxcheck::cli::kUsage && !out.str().empty()) {
        CheckJson(args, out.str());
    }
    return 0;
}
