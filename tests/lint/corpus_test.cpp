// Inputs that PHREEQC accepts (its examples, its databases read as input, and inputs of our own
// that PHREEQC 3.8.9 ran without an error or a warning) draw no diagnostic; the same inputs with
// one mistake planted draw one on the planted line.
#include "support/lint_inputs.h"

#include <vxcheck/input/lint.h>
#include <vxcheck/phreeqc3.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kData(VXCHECK_DATA_DIR);
const std::filesystem::path kInputs(VXCHECK_TEST_INPUTS_DIR);

struct Input {
    std::filesystem::path path;
    std::string database;
};

// The examples and our own inputs, each with the database it runs with.
std::vector<Input> Inputs() {
    std::vector<Input> inputs;
    for (const std::filesystem::path& list :
         {kData / "examples" / "databases.tsv", kInputs / "databases.tsv"}) {
        std::ifstream rows(list);
        std::string line;
        std::getline(rows, line);
        while (std::getline(rows, line)) {
            const std::size_t tab = line.find('\t');
            inputs.push_back({list.parent_path() / line.substr(0, tab), line.substr(tab + 1)});
        }
    }
    return inputs;
}

// A line changed into a mistake, or nullopt where the kind of mistake cannot be planted; block
// is the block the line stands in, or opens when it is a keyword line.
using Planter = std::function<std::optional<std::string>(const std::string& line,
                                                         std::string_view block, bool keyword)>;

struct PlantResult {
    int planted = 0;
    int flagged = 0;
};

PlantResult Plant(const Planter& planter) {
    static const std::regex kKeyword(R"(^\s*([A-Za-z_]+)(\s|$))");
    PlantResult result;
    for (const Input& input : Inputs()) {
        std::vector<std::string> lines = SplitLines(ReadFile(input.path));
        std::string_view block;
        for (std::size_t index = 0; index < lines.size(); ++index) {
            const std::string line = lines[index];
            std::smatch match;
            const std::string_view opens = std::regex_search(line, match, kKeyword)
                                               ? vxcheck::Phreeqc3BlockOf(match[1].str())
                                               : std::string_view();
            block = opens.empty() ? block : opens;
            const std::optional<std::string> mistake = planter(line, block, !opens.empty());
            if (!mistake || line.find('#') != std::string::npos ||
                line.find(';') != std::string::npos) {
                continue;
            }
            lines[index] = *mistake;
            ++result.planted;
            for (const vxcheck::Diagnostic& diagnostic :
                 vxcheck::LintInput(JoinLines(lines), &DatabaseNames(input.database))) {
                if (diagnostic.begin.line == static_cast<int>(index)) {
                    ++result.flagged;
                    break;
                }
            }
            lines[index] = line;
        }
    }
    return result;
}

} // namespace

TEST(LintCorpus, AcceptedInputsDrawNoDiagnostic) {
    int inputs = 0;
    for (const Input& input : Inputs()) {
        ++inputs;
        EXPECT_TRUE(
            vxcheck::LintInput(ReadFile(input.path), &DatabaseNames(input.database)).empty())
            << input.path;
    }
    EXPECT_GE(inputs, 40);
    for (const auto& entry : std::filesystem::directory_iterator(kData / "databases")) {
        if (entry.path().extension() == ".dat") {
            const std::string text = ReadFile(entry.path());
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(vxcheck::LintInput(text, &DatabaseNames(name)).empty()) << name;
            EXPECT_TRUE(vxcheck::LintInput(text, &DatabaseNames("phreeqc.dat")).empty()) << name;
            EXPECT_TRUE(vxcheck::LintInput(text, nullptr).empty()) << name;
        }
    }
}

TEST(LintCorpus, PlantedMistakesAreFlaggedOnTheirLine) {
    static const std::regex kOption(R"(^(\s*-[A-Za-z_]+))");
    static const std::regex kSolution(R"(^(\s*)SOLUTION(\s|$))", std::regex::icase);
    static const std::regex kName(R"(^(\s*)([A-Z][A-Za-z0-9_()]*)(\s))");
    static const std::regex kElement(R"(^(\s*[A-Z][a-z]*)(\(|\s))");
    const PlantResult options = Plant([](const std::string& line, std::string_view, bool) {
        std::smatch match;
        return std::regex_search(line, match, kOption)
                   ? std::optional<std::string>(std::string(match[1]) + "qq" + match.suffix().str())
                   : std::nullopt;
    });
    const PlantResult keywords = Plant([](const std::string& line, std::string_view, bool keyword) {
        std::smatch match;
        return keyword && std::regex_search(line, match, kSolution)
                   ? std::optional<std::string>(std::string(match[1]) + "SOLXUTION" +
                                                std::string(match[2]) + match.suffix().str())
                   : std::nullopt;
    });
    const PlantResult phases = Plant([](const std::string& line, std::string_view block,
                                        bool keyword) {
        std::smatch match;
        return !keyword && block == "equilibrium_phases" && std::regex_search(line, match, kName)
                   ? std::optional<std::string>(std::string(match[1]) + std::string(match[2]) +
                                                "x" + std::string(match[3]) + match.suffix().str())
                   : std::nullopt;
    });
    const PlantResult elements =
        Plant([](const std::string& line, std::string_view block, bool keyword) {
            std::smatch match;
            return !keyword && block == "solution" && std::regex_search(line, match, kElement)
                       ? std::optional<std::string>(std::string(match[1]) + "q" +
                                                    std::string(match[2]) + match.suffix().str())
                       : std::nullopt;
        });
    const PlantResult reactions =
        Plant([](const std::string& line, std::string_view block, bool keyword) {
            return !keyword && (block == "phases" || block == "solution_species") &&
                           line.find('=') != std::string::npos
                       ? std::optional<std::string>(line + " + H2O")
                       : std::nullopt;
        });
    // Each kind is flagged on its line in at least 95 of 100 plantings.
    for (const PlantResult& result : {options, keywords, phases, elements, reactions}) {
        EXPECT_GT(result.planted, 10);
        EXPECT_GE(result.flagged * 100, result.planted * 95)
            << result.flagged << " of " << result.planted
            << " (options, keywords, phases, elements, reactions in turn)";
    }
}
