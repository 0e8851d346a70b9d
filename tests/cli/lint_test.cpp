// vxcheck lint: the library's diagnostics printed as text and JSON, the database each file is
// judged by (--db, DATABASE line, PHREEQC_DATABASE), and the exit statuses.
#include "cli_run.h"

#include <vxcheck/input/lint.h>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

// Two databases that disagree on one phase: the sample database knows Calcite, the other one
// knows only the misspelling Calcitte.
const std::string kSample = VXCHECK_SAMPLE_DATABASE;
const std::string kOtherDatabase = "SOLUTION_MASTER_SPECIES\n"
                                   "H H+ -1 H 1.008\nE e- 0 0 0\nO H2O 0 O 16\nCa Ca+2 0 Ca 40.08\n"
                                   "C CO3-2 2 HCO3 12.01\n"
                                   "SOLUTION_SPECIES\nH+ = H+\ne- = e-\nH2O = H2O\nCa+2 = Ca+2\n"
                                   "CO3-2 = CO3-2\n"
                                   "PHASES\nCalcitte\n  CaCO3 = CO3-2 + Ca+2\n  log_k -8.48\nEND\n";
// A misspelt keyword, then a phase that only the other database knows.
const std::string kBody = "SOLXUTION 1\nEND\nSOLUTION 1\nEQUILIBRIUM_PHASES 1\n"
                          "    Calcitte 0 10\nEND\n";

// A temporary folder with files written into it; removed with the object.
class Folder {
  public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "vxcheck-lint-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder() { fs::remove_all(m_path); }
    std::string Write(const std::string& name, const std::string& text) const {
        const std::string path = (m_path / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

  private:
    fs::path m_path;
};

std::vector<vxcheck::Diagnostic> Expected(const std::string& text, const std::string& database) {
    std::ifstream file(database, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const vxcheck::NameTable names = vxcheck::ReadDatabaseNames(bytes, database);
    return vxcheck::LintInput(text, database.empty() ? nullptr : &names);
}

// Whether the lint of a file found the misspelt phase, i.e. judged it by the sample database.
bool JudgedBySample(const CliRun& run) {
    return run.out.find("Calcitte") != std::string::npos;
}

} // namespace

TEST(Lint, PrintsTheLibrarysDiagnosticsAsTextAndJson) {
    Folder folder;
    const std::string input = folder.Write("in.pqi", kBody);
    const std::vector<vxcheck::Diagnostic> expected = Expected(kBody, kSample);
    ASSERT_GE(expected.size(), 2u);                         // the keyword and the phase
    ASSERT_GT(expected.size(), Expected(kBody, "").size()); // the database matters here

    const CliRun text = RunVxcheck({"lint", "--db", kSample, input});
    std::string lines;
    for (const vxcheck::Diagnostic& diagnostic : expected) {
        lines += input + ":" + std::to_string(diagnostic.begin.line + 1) + ":" +
                 std::to_string(diagnostic.begin.column + 1) + ": " +
                 vxcheck::SeverityName(diagnostic.severity) + ": " + diagnostic.message + " [" +
                 diagnostic.code + "]\n";
    }
    EXPECT_EQ(text.out, lines);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.status, 1);

    // Options may also stand before the command; two files make one array.
    const CliRun json = RunVxcheck({"--json", "--db", kSample, "lint", input, input});
    EXPECT_EQ(json.status, 1);
    const nlohmann::json array = nlohmann::json::parse(json.out);
    ASSERT_EQ(array.size(), 2 * expected.size());
    for (std::size_t i = 0; i < array.size(); ++i) {
        const vxcheck::Diagnostic& diagnostic = expected[i % expected.size()];
        const nlohmann::json& object = array[i];
        EXPECT_EQ(object.size(), 8u);
        EXPECT_EQ(object["file"], input);
        EXPECT_EQ(object["line"], diagnostic.begin.line + 1);
        EXPECT_EQ(object["column"], diagnostic.begin.column + 1);
        EXPECT_EQ(object["endLine"], diagnostic.end.line + 1);
        EXPECT_EQ(object["endColumn"], diagnostic.end.column + 1);
        EXPECT_EQ(object["severity"], vxcheck::SeverityName(diagnostic.severity));
        EXPECT_EQ(object["code"], diagnostic.code);
        EXPECT_EQ(object["message"], diagnostic.message);
    }
}

TEST(Lint, JudgesEachFileByTheDatabaseThatPhreeqcWouldRead) {
    Folder folder;
    const std::string other = folder.Write("other.dat", kOtherDatabase);
    const std::string plain = folder.Write("plain.pqi", kBody);
    // Not in the working directory, so found beside the input.
    const std::string named = folder.Write("named.pqi", "DATABASE other.dat\n" + kBody);

    EXPECT_TRUE(JudgedBySample(RunVxcheck({"lint", "--db", kSample, named})));
    EXPECT_FALSE(JudgedBySample(RunVxcheck({"lint", named})));
    EXPECT_FALSE(JudgedBySample(RunVxcheck({"lint", "--db", other, plain})));

    setenv("PHREEQC_DATABASE", kSample.c_str(), 1);
    const CliRun environment = RunVxcheck({"lint", plain, named});
    unsetenv("PHREEQC_DATABASE");
    EXPECT_EQ(environment.err, "");
    const std::size_t second = environment.out.find(named);
    ASSERT_NE(second, std::string::npos);
    EXPECT_TRUE(JudgedBySample({0, environment.out.substr(0, second), ""}));
    EXPECT_FALSE(JudgedBySample({0, environment.out.substr(second), ""}));

    // Without any database, names go unjudged and the user hears it once.
    const CliRun none = RunVxcheck({"lint", plain, plain});
    EXPECT_FALSE(JudgedBySample(none));
    EXPECT_EQ(none.err, "vxcheck: no database for '" + plain +
                            "' (no --db, DATABASE line or PHREEQC_DATABASE): names are not "
                            "checked\n");
}

TEST(Lint, ExitStatusesTellErrorsFromFilesThatCannotBeRead) {
    Folder folder;
    const std::string clean = folder.Write("clean.pqi", "SOLUTION 1\n    pH 7\nEND\n");
    const std::string faulty = folder.Write("faulty.pqi", kBody);
    const std::string missing = folder.Write("missing.pqi", "DATABASE /no/such.dat\n" + kBody);

    const CliRun ok = RunVxcheck({"lint", "--db", kSample, "--json", clean});
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out, "[]\n");

    // A file that cannot be read is told and skipped; the others are still linted.
    const CliRun unreadable = RunVxcheck({"lint", "--db", kSample, "/no/such.pqi", faulty});
    EXPECT_EQ(unreadable.status, 3);
    EXPECT_EQ(unreadable.err, "vxcheck: cannot read '/no/such.pqi'\n");
    EXPECT_NE(unreadable.out.find(faulty + ":1:1: "), std::string::npos);

    // A database named on the DATABASE line that cannot be read: the file is linted without it.
    const CliRun database = RunVxcheck({"lint", missing});
    EXPECT_EQ(database.status, 3);
    EXPECT_EQ(database.err, "vxcheck: cannot read database '/no/such.dat' (named on the "
                            "DATABASE line of '" +
                                missing + "'): names in '" + missing + "' are not checked\n");
    EXPECT_NE(database.out.find(missing + ":2:1: "), std::string::npos);

    // A --db that cannot be read stops the run before any file.
    const CliRun option = RunVxcheck({"lint", "--db", "/no/such.dat", faulty});
    EXPECT_EQ(option.status, 3);
    EXPECT_EQ(option.out, "");
    EXPECT_EQ(option.err, "vxcheck: cannot read database '/no/such.dat'\n");

    for (const Words& args : {Words{"lint"}, Words{"lint", "--db", kSample, "--db", kSample, clean},
                              Words{"lint", "--xml", clean}, Words{"lint", "--db"}}) {
        const CliRun usage = RunVxcheck(args);
        EXPECT_EQ(usage.status, 2);
        EXPECT_EQ(usage.out, "");
    }
    // "--" ends the options, so a file name may begin with "-".
    EXPECT_EQ(RunVxcheck({"lint", "--", "-no-such.pqi"}).err,
              "vxcheck: cannot read '-no-such.pqi'\n");
}
