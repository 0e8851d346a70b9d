// Case folding of ASCII letters, as PHREEQC compares keywords, options, names and BASIC words:
// only A to Z and a to z change, whatever the locale. The library's one copy; the language
// server, which sees only the public headers, folds with the same bytes of mbstring.h.
#pragma once

#include <vxcheck/platform/mbstring.h>

#include <string>
#include <string_view>

namespace vxcheck {

// word with its ASCII letters in lower case.
inline std::string LowerWord(std::string_view word) {
    std::string lower(word);
    for (char& ch : lower) {
        ch = static_cast<char>(FoldToLower(static_cast<unsigned char>(ch)));
    }
    return lower;
}

// word with its ASCII letters in upper case.
inline std::string UpperWord(std::string_view word) {
    std::string upper(word);
    for (char& ch : upper) {
        ch = static_cast<char>(FoldToUpper(static_cast<unsigned char>(ch)));
    }
    return upper;
}

} // namespace vxcheck
