// The vxcheck program itself: what reaches standard output and standard error, and the exit
// status a shell sees.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs the program through the shell; arguments is already quoted for it.
ProgramRun RunProgram(const std::string& arguments) {
    const std::string base = (std::filesystem::temp_directory_path() /
                              ("vxcheck-program-test-" + std::to_string(getpid())))
                                 .string();
    const std::string command = std::string("'") + VXCHECK_PROGRAM + "' " + arguments + " >'" +
                                base + ".out' 2>'" + base + ".err'";
    const int raw = std::system(command.c_str());
    ProgramRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(base + ".out"),
                   Slurp(base + ".err")};
    std::filesystem::remove(base + ".out");
    std::filesystem::remove(base + ".err");
    return run;
}

} // namespace

// main hands RunCli's answer, remarks and status to the shell; what they say is run_cli_test's.
TEST(Program, StreamsAndExitStatusesReachTheShell) {
    const ProgramRun answer = RunProgram(std::string("--json --db '") + VXCHECK_SAMPLE_DATABASE +
                                         "' find minerals --mode inc Ca C");
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.out, "[\"Aragonite\",\"Calcite\"]\n");
    EXPECT_EQ(answer.err, "");

    const ProgramRun missing = RunProgram("--db /no/such.dat keywords");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err,
              "vxcheck: cannot read database '/no/such.dat': No such file or directory\n");
    EXPECT_EQ(RunProgram("--db").status, 2);
}
