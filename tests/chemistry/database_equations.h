// The equations of a database's SOLUTION_SPECIES, PHASES, EXCHANGE_SPECIES and SURFACE_SPECIES
// blocks, found by a plain walk of its lines: the tests' own view, independent of the library's.
#pragma once

#include "support/database_text.h"

#include <string>
#include <vector>

struct DatabaseEquation {
    std::string block;    // lower case: "phases"
    std::string equation; // without comment
    int line = 0;         // 1-based
    bool checked = true;  // false when -no_check follows it
    std::string phase;    // in PHASES, the name on the line before
};

// Takes one statement: a keyword line opens a block; "-no_check" marks the equation before it.
inline void Statement(const std::string& line, int number, std::string& block, std::string& phase,
                      std::vector<DatabaseEquation>& equations) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return;
    }
    if (const std::string opened = BlockOf(line); !opened.empty()) {
        block = opened;
        return;
    }
    const std::string option =
        OptionOf(block, line.substr(first, line.find_first_of(" \t\r", first) - first));
    if (option == "no_check" && !equations.empty()) {
        equations.back().checked = false;
    }
    const bool defining = block == "solution_species" || block == "phases" ||
                          block == "exchange_species" || block == "surface_species";
    if (!defining || !option.empty()) {
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
    ForEachStatement(text, [&](const std::string& statement, int line) {
        Statement(statement, line + 1, block, phase, equations);
    });
    return equations;
}
