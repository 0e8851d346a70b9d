// BASIC checked through LintInput on PHREEQC's own inputs: every program PHREEQC accepts draws
// nothing, and one planted mistake in a real program is found on its line.
#include "support/lint_inputs.h"
#include "support/rate_programs.h"

#include <vxcheck/input/lint.h>
#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kData(VXCHECK_DATA_DIR);

struct RealInput {
    std::string file;
    std::string text;
    const vxcheck::NameTable* database;
};

std::vector<RealInput> RealInputs() {
    std::vector<RealInput> inputs;
    std::istringstream list(ReadFile(kData / "examples" / "databases.tsv"));
    std::string line;
    std::getline(list, line); // header
    while (std::getline(list, line)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        const std::string example = line.substr(0, tab);
        std::string database = line.substr(tab + 1);
        if (!database.empty() && database.back() == '\r') {
            database.pop_back();
        }
        inputs.push_back(
            {example, ReadFile(kData / "examples" / example), &DatabaseNames(database)});
    }
    for (const auto& entry : std::filesystem::directory_iterator(kData / "databases")) {
        if (entry.path().extension() == ".dat") {
            const std::string name = entry.path().filename().string();
            inputs.push_back({name, ReadFile(entry.path()), &DatabaseNames(name)});
        }
    }
    return inputs;
}

std::vector<vxcheck::Diagnostic> BasicDiagnostics(const RealInput& input, const std::string& text) {
    std::vector<vxcheck::Diagnostic> basic;
    for (vxcheck::Diagnostic& diagnostic : vxcheck::LintInput(text, input.database)) {
        if (diagnostic.code.starts_with("basic-")) {
            basic.push_back(std::move(diagnostic));
        }
    }
    return basic;
}

bool FlaggedOnLine(const std::vector<vxcheck::Diagnostic>& diagnostics, int line,
                   std::string_view code) {
    for (const vxcheck::Diagnostic& diagnostic : diagnostics) {
        if (diagnostic.begin.line == line && diagnostic.code == code) {
            return true;
        }
    }
    return false;
}

// A numbered BASIC line of a program that stands on one physical line: its line, and where
// its text (without the input's comment) begins.
struct BasicLine {
    int line = 0;
    int column = 0;
    std::string text;
    std::string_view block;
};

std::vector<BasicLine> NumberedBasicLines(const std::string& text) {
    const vxcheck::InputModel model = vxcheck::ReadInput(text);
    std::vector<BasicLine> lines;
    for (const vxcheck::InputStatement& statement : model.statements) {
        if (statement.block < 0 || statement.kind != vxcheck::StatementKind::Data ||
            !statement.pieces.empty() || statement.text.empty() ||
            !std::isdigit(static_cast<unsigned char>(statement.text.front()))) {
            continue;
        }
        const std::string_view block = model.blocks[static_cast<std::size_t>(statement.block)].name;
        if (block == "rates" || block == "user_print" || block == "user_punch" ||
            block == "calculate_values") {
            const vxcheck::TextPlace place = model.PlaceOf(statement.offset);
            const std::string_view name = block == "rates"              ? "rates"
                                          : block == "calculate_values" ? "calculate_values"
                                                                        : "user";
            lines.push_back({place.line, place.column, std::string(statement.text), name});
        }
    }
    return lines;
}

// Whether the byte at position stands inside a quoted string.
bool InString(const std::string& line, std::size_t position) {
    char quote = 0;
    for (std::size_t at = 0; at < position && at < line.size(); ++at) {
        if (quote != 0) {
            quote = line[at] == quote ? 0 : quote;
        } else if (line[at] == '"' || line[at] == '\'') {
            quote = line[at];
        }
    }
    return quote != 0;
}

// The last ")" of a line that is neither in a string nor after REM, or npos.
std::size_t LastClosingParenthesis(const std::string& line) {
    std::size_t last = std::string::npos;
    char quote = 0;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ')') {
            last = at;
        } else if ((c == 'R' || c == 'r') && at + 3 <= line.size() &&
                   (line.compare(at, 3, "REM") == 0 || line.compare(at, 3, "rem") == 0) &&
                   (at == 0 || !std::isalnum(static_cast<unsigned char>(line[at - 1]))) &&
                   (at + 3 == line.size() ||
                    !std::isalnum(static_cast<unsigned char>(line[at + 3])))) {
            break;
        }
    }
    return last;
}

// Each test plants its mistake in at most this many lines of a file, spread over the file.
constexpr std::size_t kPlantsPerFile = 20;

template <typename T> std::vector<T> Spread(const std::vector<T>& all) {
    if (all.size() <= kPlantsPerFile) {
        return all;
    }
    std::vector<T> some;
    for (std::size_t index = 0; index < kPlantsPerFile; ++index) {
        some.push_back(all[index * all.size() / kPlantsPerFile]);
    }
    return some;
}

// A KINETICS block that uses every rate the text defines, so that PHREEQC would run them all.
std::string KineticsUsingAllRates(const std::string& text) {
    std::string kinetics = "KINETICS 1\n";
    for (const vxcheck::testing::RateProgram& program : vxcheck::testing::RatePrograms(text)) {
        kinetics += program.name + "\n";
    }
    return kinetics;
}

// "Calcite" -> "Caalcite": the first lower-case letter written twice.
std::string Misspelt(const std::string& name) {
    std::size_t at = 0;
    while (at < name.size() && !std::islower(static_cast<unsigned char>(name[at]))) {
        ++at;
    }
    if (at == name.size()) {
        at = 0;
    }
    return name.substr(0, at + 1) + name.substr(at);
}

} // namespace

// "LINE severity code: message" for the BASIC diagnostics of an input run with phreeqc.dat.
std::vector<std::string> WithPhreeqcDat(const std::string& text) {
    std::vector<std::string> lines;
    const RealInput input{"input", text, &DatabaseNames("phreeqc.dat")};
    for (const vxcheck::Diagnostic& diagnostic : BasicDiagnostics(input, text)) {
        lines.push_back(std::to_string(diagnostic.begin.line + 1) + " " +
                        vxcheck::SeverityName(diagnostic.severity) + " " + diagnostic.code + ": " +
                        diagnostic.message);
    }
    return lines;
}

TEST(BasicLint, JudgesNamesInTheProgramsTheInputRuns) {
    EXPECT_EQ(WithPhreeqcDat("USER_PUNCH\n -headings si\n 10 PUNCH SI(\"Calcitte\"), "
                             "TOT(\"water\"), TOT(\"Fe(+2)\"), ACT(\"Ca+2\"), ACT(\"Cax+2\")\n"
                             "PHASES\nMyPhase\n CaCO3 = Ca+2 + CO3-2\n log_k 1\n"
                             "USER_PRINT\n 10 PRINT SI(\"MyPhase\") + TOT(\"Zz\")\n"),
              (std::vector<std::string>{
                  "3 warning basic-unknown-name: Calcitte is not a phase of the database or of "
                  "the input; did you mean Calcite?",
                  "3 warning basic-unknown-name: Cax+2 is not a species of the database or of "
                  "the input; did you mean Ca+2?",
                  "9 warning basic-unknown-name: Zz is not an element of the database or of the "
                  "input; did you mean Zn?"}));
    // A rate is judged when KINETICS uses it; CALCULATE_VALUES programs are not judged.
    const std::string rates = "RATES\nUsed\n -start\n 10 SAVE KIN(\"Usedd\")\n -end\n"
                              "Unused\n 10 SAVE SI(\"Nothing\") : x = (1\n"
                              "CALCULATE_VALUES\nV\n 10 SAVE SI(\"Nothing\")\n -end\n";
    EXPECT_EQ(WithPhreeqcDat(rates + "KINETICS\nUsed\n -m 1\n"),
              (std::vector<std::string>{
                  "4 warning basic-unknown-name: Usedd is not a rate of the database or of the "
                  "input; did you mean Used?",
                  "7 error basic-syntax: This \"(\" is never closed; PHREEQC stops on the line."}));
}

TEST(BasicLint, LeavesEveryProgramPhreeqcAcceptsClean) {
    int files = 0;
    for (const RealInput& input : RealInputs()) {
        ++files;
        for (const vxcheck::Diagnostic& diagnostic : BasicDiagnostics(input, input.text)) {
            ADD_FAILURE() << input.file << ":" << diagnostic.begin.line + 1 << " "
                          << diagnostic.code << " " << diagnostic.message;
        }
    }
    EXPECT_GE(files, 50);
}

TEST(BasicLint, FindsAClosingParenthesisRemovedFromARealLine) {
    int planted = 0;
    int found = 0;
    for (const RealInput& input : RealInputs()) {
        const std::vector<std::string> lines = SplitLines(input.text);
        std::vector<BasicLine> candidates;
        for (const BasicLine& basic : NumberedBasicLines(input.text)) {
            if (LastClosingParenthesis(basic.text) != std::string::npos) {
                candidates.push_back(basic);
            }
        }
        for (const BasicLine& basic : Spread(candidates)) {
            const int line = basic.line;
            const std::size_t close = LastClosingParenthesis(basic.text);
            if (close == std::string::npos) {
                continue;
            }
            std::vector<std::string> changed = lines;
            changed[static_cast<std::size_t>(line)].erase(
                static_cast<std::size_t>(basic.column) + close, 1);
            ++planted;
            if (FlaggedOnLine(BasicDiagnostics(input, JoinLines(changed)), line, "basic-syntax")) {
                ++found;
            } else {
                ADD_FAILURE() << input.file << ":" << line + 1 << " " << changed[line];
            }
        }
    }
    EXPECT_GE(planted, 100);
    EXPECT_EQ(found, planted);
    std::cout << "parenthesis removed: " << found << " of " << planted << " found\n";
}

TEST(BasicLint, FindsAMisspeltNameInARealCall) {
    static const std::regex call(
        R"re(\b(si|sr|tot|totmole|act|mol|la|lm|gamma|equi|gas|kin)\s*\(\s*"([^"]+)")re",
        std::regex::icase);
    int planted = 0;
    int found = 0;
    for (const RealInput& input : RealInputs()) {
        if (input.database->Empty()) {
            continue;
        }
        const std::vector<std::string> lines = SplitLines(input.text);
        const std::string kinetics = KineticsUsingAllRates(input.text);
        std::vector<BasicLine> candidates;
        // CALCULATE_VALUES programs run only when asked for, so their names are not judged.
        for (const BasicLine& basic : NumberedBasicLines(input.text)) {
            std::smatch match;
            if (basic.block != "calculate_values" && std::regex_search(basic.text, match, call) &&
                !InString(basic.text, static_cast<std::size_t>(match.position(0)))) {
                candidates.push_back(basic);
            }
        }
        for (const BasicLine& basic : Spread(candidates)) {
            const int line = basic.line;
            std::smatch match;
            std::regex_search(basic.text, match, call);
            std::vector<std::string> changed = lines;
            changed[static_cast<std::size_t>(line)].replace(
                static_cast<std::size_t>(basic.column + match.position(2)), match.str(2).size(),
                Misspelt(match.str(2)));
            ++planted;
            if (FlaggedOnLine(BasicDiagnostics(input, JoinLines(changed) + kinetics), line,
                              "basic-unknown-name")) {
                ++found;
            } else {
                std::cout << input.file << ":" << line + 1 << " " << changed[line] << "\n";
            }
        }
    }
    EXPECT_GE(planted, 100);
    EXPECT_GE(found * 10, planted * 9);
    std::cout << "misspelt names: " << found << " of " << planted << " found\n";
}
