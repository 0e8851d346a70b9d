// Letter case in the PHREEQC 3 vocabulary: ASCII letters only, as PHREEQC folds them; every other
// byte, bytes above 127 included, stands for itself.
#pragma once

#include <string>
#include <string_view>

namespace vxcheck {

inline char LowerAscii(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

inline std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower) {
        ch = LowerAscii(ch);
    }
    return lower;
}

} // namespace vxcheck
