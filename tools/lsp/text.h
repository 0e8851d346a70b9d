// Case folding of ASCII letters, as PHREEQC compares keywords, options and headers: the library's
// folding, whatever the locale.
#pragma once

#include <vxcheck/platform/mbstring.h>

#include <string>
#include <string_view>

namespace vxcheck::lsp {

// text with its ASCII letters in lower case.
inline std::string Lower(std::string_view text) {
    std::string result(text);
    for (char& ch : result) {
        ch = static_cast<char>(FoldToLower(static_cast<unsigned char>(ch)));
    }
    return result;
}

// text with its ASCII letters in upper case.
inline std::string Upper(std::string_view text) {
    std::string result(text);
    for (char& ch : result) {
        ch = static_cast<char>(FoldToUpper(static_cast<unsigned char>(ch)));
    }
    return result;
}

} // namespace vxcheck::lsp
