// Letter case in the PHREEQC 3 vocabulary: ASCII letters only, as PHREEQC folds them; every other
// byte, bytes above 127 included, stands for itself.
#pragma once

#include <vxcheck/platform/mbstring.h>

#include <string>
#include <string_view>

namespace vxcheck {

inline std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower) {
        ch = static_cast<char>(FoldToLower(static_cast<unsigned char>(ch)));
    }
    return lower;
}

} // namespace vxcheck
