// What the lint tests share: files of the project read whole, the names of a shipped database read
// once, inputs cut into lines and joined again, and diagnostics written as one line each.
#pragma once

#include <vxcheck/input/lint.h>
#include <vxcheck/input/names.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The names of a database of data/databases ("phreeqc.dat"), read on first use.
inline const vxcheck::NameTable& DatabaseNames(const std::string& database) {
    static std::map<std::string, vxcheck::NameTable> tables;
    auto found = tables.find(database);
    if (found == tables.end()) {
        const std::filesystem::path path =
            std::filesystem::path(VXCHECK_DATA_DIR) / "databases" / database;
        found = tables.emplace(database, vxcheck::ReadDatabaseNames(ReadFile(path), path.string()))
                    .first;
    }
    return found->second;
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// "LINE:COLUMN severity code: message" for each diagnostic of text linted against phreeqc.dat
// (1-based line, 0-based column).
inline std::vector<std::string> Findings(std::string_view text) {
    std::vector<std::string> findings;
    for (const vxcheck::Diagnostic& diagnostic :
         vxcheck::LintInput(text, &DatabaseNames("phreeqc.dat"))) {
        findings.push_back(std::to_string(diagnostic.begin.line + 1) + ":" +
                           std::to_string(diagnostic.begin.column) + " " +
                           vxcheck::SeverityName(diagnostic.severity) + " " + diagnostic.code +
                           ": " + diagnostic.message);
    }
    return findings;
}
