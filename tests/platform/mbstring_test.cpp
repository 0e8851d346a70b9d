// Byte-string comparisons: only a to z fold, whatever the byte.
#include <vxcheck/platform/mbstring.h>

#include <gtest/gtest.h>

namespace {
const unsigned char* U(const char* text) {
    return reinterpret_cast<const unsigned char*>(text);
}
} // namespace

TEST(MbString, FoldingChangesOnlyAsciiLetters) {
    EXPECT_EQ(_mbsicmp(U("Solution_Spread"), U("SOLUTION_SPREAD")), 0);
    EXPECT_NE(_mbsicmp(U("\xe9"), U("\xc9")), 0); // bytes above 127 never fold
    EXPECT_NE(_mbsicmp(U("sol"), U("solution")), 0);
    EXPECT_LT(_mbsicmp(U("a"), U("B")), 0);
    EXPECT_GT(_mbsicmp(U("ab"), U("A")), 0);
    for (int ch = 1; ch < 256; ++ch) {
        const bool isLetter = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
        EXPECT_EQ(FoldToUpper(static_cast<unsigned char>(ch)) != ch, ch >= 'a' && ch <= 'z');
        EXPECT_EQ(FoldToLower(static_cast<unsigned char>(ch)) != ch, ch >= 'A' && ch <= 'Z');
        EXPECT_EQ(FoldToUpper(static_cast<unsigned char>(ch)) == FoldToUpper(ch ^ 0x20), isLetter);
    }
}

TEST(MbString, CmpIsCaseSensitive) {
    EXPECT_EQ(_mbscmp(U("O(0)"), U("O(0)")), 0);
    EXPECT_NE(_mbscmp(U("E"), U("e")), 0);
    EXPECT_LT(_mbscmp(U("a"), U("\x80")), 0);
}
