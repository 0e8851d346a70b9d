// The equations of a database's SOLUTION_SPECIES, PHASES, EXCHANGE_SPECIES and SURFACE_SPECIES
// blocks, found by a plain walk of its lines: the tests' own view, independent of the library's.
#pragma once

#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

struct DatabaseEquation {
    std::string block;    // lower case: "phases"
    std::string equation; // without comment
    int line = 0;         // 1-based
    bool checked = true;  // false when -no_check follows it
    std::string phase;    // in PHASES, the name on the line before
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// PHREEQC 3's keyword spellings, lower case, from the vocabulary table.
inline const std::set<std::string>& KeywordSpellings() {
    static const std::set<std::string> spellings = [] {
        std::set<std::string> words;
        std::istringstream rows(ReadWholeFile(VXCHECK_DATA_DIR "/phreeqc3/keywords.tsv"));
        std::string row;
        while (std::getline(rows, row)) {
            words.insert(row.substr(0, row.find('\t')));
        }
        return words;
    }();
    return spellings;
}

// The block a line opens, lower case, or "" when its first word is no keyword.
inline std::string BlockOf(const std::string& line) {
    const std::string word = Lower(line.substr(0, line.find_first_of(" \t\r")));
    return KeywordSpellings().count(word) != 0 ? word : "";
}

// Takes one statement: a keyword line opens a block; "-no_check" marks the equation before it.
inline void Statement(const std::string& line, int number, std::string& block, std::string& phase,
                      std::vector<DatabaseEquation>& equations) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return;
    }
    if (const std::string opened = BlockOf(line.substr(first)); !opened.empty()) {
        block = opened;
        return;
    }
    const std::string word = Lower(line.substr(first, line.find_first_of(" \t\r", first) - first));
    if ((word == "-no_check" || word == "no_check") && !equations.empty()) {
        equations.back().checked = false;
    }
    const bool defining = block == "solution_species" || block == "phases" ||
                          block == "exchange_species" || block == "surface_species";
    if (!defining || line[first] == '-') {
        return;
    }
    if (line.find('=') != std::string::npos) {
        equations.push_back({block, line.substr(first), number, true, phase});
    } else if (block == "phases") {
        phase = line.substr(first, line.find_first_of(" \t\r", first) - first);
    }
}

inline std::vector<DatabaseEquation> DatabaseEquations(const std::string& text) {
    std::vector<DatabaseEquation> equations;
    std::string block;
    std::string phase;
    std::istringstream lines(text);
    std::string whole;
    for (int number = 1; std::getline(lines, whole); ++number) {
        // Statements on one line are separated by ";".
        std::istringstream statements(whole.substr(0, whole.find('#')));
        std::string line;
        while (std::getline(statements, line, ';')) {
            Statement(line, number, block, phase, equations);
        }
    }
    return equations;
}
