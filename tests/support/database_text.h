// Database text as the tests see it: whole files, lower case, and PHREEQC 3's keywords and
// options from the vocabulary tables, to walk a database without the library's reader.
#pragma once

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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

// PHREEQC 3's keyword spellings, lower case, with the block each opens.
inline const std::map<std::string, std::string>& KeywordBlocks() {
    static const std::map<std::string, std::string> blocks = [] {
        std::map<std::string, std::string> table;
        std::istringstream rows(ReadWholeFile(VXCHECK_DATA_DIR "/phreeqc3/keywords.tsv"));
        std::string row;
        while (std::getline(rows, row)) {
            table[row.substr(0, row.find('\t'))] = row.substr(row.find('\t') + 1);
        }
        return table;
    }();
    return blocks;
}

// The block a statement opens, or "" when its first word is no keyword.
inline std::string BlockOf(const std::string& statement) {
    const std::size_t first = statement.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    const std::string word =
        Lower(statement.substr(first, statement.find_first_of(" \t\r", first) - first));
    const auto found = KeywordBlocks().find(word);
    return found == KeywordBlocks().end() ? "" : found->second;
}

// PHREEQC 3's options of a block, lower case, in matching order.
inline const std::vector<std::string>& BlockOptions(const std::string& block) {
    static const std::map<std::string, std::vector<std::string>> options = [] {
        std::map<std::string, std::vector<std::string>> table;
        std::istringstream rows(ReadWholeFile(VXCHECK_DATA_DIR "/phreeqc3/options.tsv"));
        std::string row;
        while (std::getline(rows, row)) {
            const std::size_t tab = row.find('\t');
            table[row.substr(0, tab)].push_back(row.substr(row.rfind('\t') + 1));
        }
        return table;
    }();
    static const std::vector<std::string> none;
    const auto found = options.find(block);
    return found == options.end() ? none : found->second;
}

// Calls take(statement, line) for each statement of text: lines split at ";", without comments;
// line is 0-based.
template <typename Take> void ForEachStatement(const std::string& text, Take take) {
    std::size_t begin = 0;
    for (int line = 0; begin <= text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        std::string_view whole = std::string_view(text).substr(begin, end - begin);
        whole = whole.substr(0, whole.find('#'));
        for (std::size_t from = 0; from <= whole.size();) {
            const std::size_t to = std::min(whole.find(';', from), whole.size());
            take(std::string(whole.substr(from, to - from)), line);
            from = to + 1;
        }
        begin = end + 1;
    }
}

// The option a statement's first word selects in block, as PHREEQC matches it ("-" and a prefix,
// or the whole name without "-"), or "" when it is a data line.
inline std::string OptionOf(const std::string& block, const std::string& first_word) {
    const std::string word = Lower(first_word);
    const bool dashed = !word.empty() && word[0] == '-';
    const std::string name = dashed ? word.substr(1) : word;
    for (const std::string& option : BlockOptions(block)) {
        if (dashed ? option.rfind(name, 0) == 0 && !name.empty() : option == name) {
            return option;
        }
    }
    return "";
}
