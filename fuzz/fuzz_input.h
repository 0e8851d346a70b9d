// Helpers shared by the fuzz targets: cutting the fuzzer's bytes into lines and words, and
// stopping with a message when the library breaks a rule that the target checks.
#pragma once

#include <vxcheck/platform/cstring.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vxcheck::fuzz {

// The input's lines, without their line feeds; every byte, NUL included, stays in its line.
inline std::vector<std::string> SplitLines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back().push_back(static_cast<char>(data[i]));
        }
    }
    return lines;
}

// The runs of bytes between blanks and tabs.
inline std::vector<CString> SplitWords(const std::string& text) {
    std::vector<CString> words;
    std::string word;
    for (const char ch : text + ' ') {
        if (ch == ' ' || ch == '\t') {
            if (!word.empty()) {
                words.emplace_back(word.data(), static_cast<int>(word.size()));
                word.clear();
            }
        } else {
            word.push_back(ch);
        }
    }
    return words;
}

inline CString ToCString(const std::string& text) {
    return {text.data(), static_cast<int>(text.size())};
}

// A broken rule is a fault like a crash: report it and abort, so that the fuzzer keeps the input.
inline void Expect(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "rule broken: %s\n", rule);
        std::abort();
    }
}

} // namespace vxcheck::fuzz
