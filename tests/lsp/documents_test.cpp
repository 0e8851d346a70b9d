// Open documents: lines, incremental changes in either encoding, and points of positions.
#include "lsp/documents.h"

#include <gtest/gtest.h>

namespace vxcheck::lsp {
namespace {

TextDocumentContentChangeEvent Change(int line0, int char0, int line1, int char1,
                                      std::string text) {
    return {Range{{line0, char0}, {line1, char1}}, std::move(text)};
}

TEST(Documents, IncrementalChangesAcrossLinesAndLineEnds) {
    Document document("file:///a.pqi", 1, "SOLUTION 1\r\n  \xC3\xA9 pH 7\rEND");
    ASSERT_EQ(document.LineCount(), 3);
    EXPECT_EQ(document.Line(1), "  \xC3\xA9 pH 7");
    // In UTF-16 "pH" starts at character 4 of line 1.
    document.Apply(Change(1, 4, 1, 6, "pe"), PositionEncoding::Utf16);
    EXPECT_EQ(document.Line(1), "  \xC3\xA9 pe 7");
    document.Apply(Change(0, 9, 2, 0, "2\n"), PositionEncoding::Utf8);
    EXPECT_EQ(document.Text(), "SOLUTION 2\nEND");
    document.Apply(Change(7, 0, 9, 0, "\n"), PositionEncoding::Utf8); // past the end: appended
    EXPECT_EQ(document.LineCount(), 3);
    document.Apply({std::nullopt, ""}, PositionEncoding::Utf8);
    EXPECT_EQ(document.LineCount(), 1);
    EXPECT_EQ(document.Revision(), 4u);
}

TEST(Documents, PointsOfPositions) {
    Document document("file:///a.pqi", 1, "ab\n\xC3\xA9x");
    TextPoint point;
    ASSERT_TRUE(document.ToPoint({1, 1}, PositionEncoding::Utf16, point));
    EXPECT_EQ(point.byte, 2u);
    ASSERT_TRUE(document.ToPoint({0, 40}, PositionEncoding::Utf16, point));
    EXPECT_EQ(point.byte, 2u);
    EXPECT_FALSE(document.ToPoint({2, 0}, PositionEncoding::Utf16, point));
    EXPECT_EQ(document.ToPosition({1, 3}, PositionEncoding::Utf16).character, 2);

    Documents documents;
    documents.Open({"file:///b.pqi", "phreeqc", 3, "END"});
    ASSERT_NE(documents.Find("file:///b.pqi"), nullptr);
    EXPECT_EQ(documents.Find("file:///b.pqi")->Version(), 3);
    EXPECT_TRUE(documents.Close("file:///b.pqi"));
    EXPECT_FALSE(documents.Close("file:///b.pqi"));
}

} // namespace
} // namespace vxcheck::lsp
