// Byte-string comparisons of the runtime: folded a to z only, whatever the process's locale.
#include <vxcheck/platform/mbstring.h>

int _mbsicmp(const unsigned char* a, const unsigned char* b) {
    for (;; ++a, ++b) {
        const int diff = FoldToUpper(*a) - FoldToUpper(*b);
        if (diff != 0 || *a == 0) {
            return diff;
        }
    }
}

int _mbscmp(const unsigned char* a, const unsigned char* b) {
    for (;; ++a, ++b) {
        const int diff = *a - *b;
        if (diff != 0 || *a == 0) {
            return diff;
        }
    }
}
