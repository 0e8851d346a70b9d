// The runtime's byte-string comparisons and case folding, as the library uses them.
#pragma once

#include <vxcheck/export.h>

// Folds one byte to upper case as the "C" locale does: only a to z change.
constexpr unsigned char FoldToUpper(unsigned char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<unsigned char>(ch - 'a' + 'A') : ch;
}

// Folds one byte to lower case as the "C" locale does: only A to Z change.
constexpr unsigned char FoldToLower(unsigned char ch) {
    return (ch >= 'A' && ch <= 'Z') ? static_cast<unsigned char>(ch - 'A' + 'a') : ch;
}

// Compares two NUL-terminated byte strings after folding a to z to upper case: < 0, 0 or > 0.
VXCHECK_API int _mbsicmp(const unsigned char* a, const unsigned char* b);
// Compares two NUL-terminated byte strings byte by byte as unsigned values: < 0, 0 or > 0.
VXCHECK_API int _mbscmp(const unsigned char* a, const unsigned char* b);
