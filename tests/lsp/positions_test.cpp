// Character positions in UTF-16 and UTF-8, on lines with multibyte characters and stray bytes.
#include "lsp/positions.h"

#include <gtest/gtest.h>

namespace vxcheck::lsp {
namespace {

constexpr auto kUtf16 = PositionEncoding::Utf16;
constexpr auto kUtf8 = PositionEncoding::Utf8;

TEST(Positions, Utf16CountsAStringOutsideTheBasicPlaneTwice) {
    // a, e-acute (2 bytes), euro sign (3 bytes), G clef (4 bytes), b
    std::string_view line = "a\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E"
                            "b";
    EXPECT_EQ(ByteOffset(line, 2, kUtf16), 3u);
    EXPECT_EQ(ByteOffset(line, 3, kUtf16), 6u);
    EXPECT_EQ(ByteOffset(line, 4, kUtf16), 6u); // inside the pair: the character's start
    EXPECT_EQ(ByteOffset(line, 5, kUtf16), 10u);
    EXPECT_EQ(ByteOffset(line, 99, kUtf16), 11u);
    EXPECT_EQ(Character(line, 10, kUtf16), 5u);
    EXPECT_EQ(Character(line, 11, kUtf16), 6u);
}

TEST(Positions, Utf8CountsBytesAndStepsBackToACharactersStart) {
    std::string_view line = "a\xC3\xA9z";
    EXPECT_EQ(ByteOffset(line, 2, kUtf8), 1u);
    EXPECT_EQ(ByteOffset(line, 3, kUtf8), 3u);
    EXPECT_EQ(Character(line, 3, kUtf8), 3u);
    EXPECT_EQ(EncodingName(kUtf8), "utf-8");
}

TEST(Positions, AStrayByteIsOneCharacterAndLatin1WhenSent) {
    std::string_view line = "\xE9t\xE9 \xC3"; // Latin-1 "ete", then a cut-off sequence
    EXPECT_EQ(ByteOffset(line, 2, kUtf16), 2u);
    EXPECT_EQ(Character(line, 5, kUtf16), 5u);
    EXPECT_EQ(ToUtf8(line), "\xC3\xA9t\xC3\xA9 \xC3\x83");
    EXPECT_EQ(ToUtf8("Ca+2 \xE2\x82\xAC"), "Ca+2 \xE2\x82\xAC");
}

} // namespace
} // namespace vxcheck::lsp
