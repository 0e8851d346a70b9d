// The mode word of a list search: "con", "or", "and" or "inc", compared without regard to case.
#pragma once

#include <vxcheck/platform/cstring.h>
#include <vxcheck/platform/mbstring.h>

namespace vxcheck {

enum class SearchMode {
    Contains, // "con": the first word is a text that the names contain (case counts)
    Any,      // "or": the species holds at least one of the elements
    All,      // "and": the species holds every element found
    Within,   // "inc": the species holds nothing but the elements, O and H
    Unknown,  // any other word: nothing matches
};

inline SearchMode ParseSearchMode(const CString& mode) {
    const auto* text = reinterpret_cast<const unsigned char*>(mode.GetString());
    const auto is = [text](const char* word) {
        return _mbsicmp(text, reinterpret_cast<const unsigned char*>(word)) == 0;
    };
    if (is("con")) {
        return SearchMode::Contains;
    }
    if (is("or")) {
        return SearchMode::Any;
    }
    if (is("and")) {
        return SearchMode::All;
    }
    if (is("inc")) {
        return SearchMode::Within;
    }
    return SearchMode::Unknown;
}

} // namespace vxcheck
