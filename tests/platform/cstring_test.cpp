// CString and CStringArray behave as the framework's for the operations the library and hosts use.
#include <vxcheck/platform/cstring.h>

#include <gtest/gtest.h>

#include <cstring>

TEST(CString, FindAndFindOneOf) {
    const CString text("Ca+2 = Ca+2");
    EXPECT_EQ(text.Find('='), 5);
    EXPECT_EQ(text.Find("Ca", 1), 7);
    EXPECT_EQ(text.Find("ca"), -1); // case matters
    EXPECT_EQ(text.Find(""), 0);
    EXPECT_EQ(text.Find('C', 99), -1);
    EXPECT_EQ(text.FindOneOf(" ="), 4);
    EXPECT_EQ(text.FindOneOf("xyz"), -1);
}

TEST(CString, LeftRightAndTrimLeft) {
    const CString text("abcdef");
    EXPECT_EQ(text.Left(2), "ab");
    EXPECT_EQ(text.Left(99), "abcdef");
    EXPECT_EQ(text.Left(-1), "");
    EXPECT_EQ(text.Right(2), "ef");
    EXPECT_EQ(text.Right(99), "abcdef");
    CString padded(" \t\r\n\v\fword ");
    EXPECT_EQ(padded.TrimLeft(), "word ");
    CString dashes("--x-");
    EXPECT_EQ(dashes.TrimLeft("-"), "x-");
}

TEST(CString, ConcatenationKeepsEveryByte) {
    CString text("\xe9t\xe9");
    text += '\xff';
    text += CString("\x80", 1);
    EXPECT_EQ(text.GetLength(), 5);
    EXPECT_EQ(static_cast<unsigned char>(text[4]), 0x80);
    EXPECT_EQ("-" + CString("temp"), "-temp");
    EXPECT_EQ(CString("a") + 'b' + "c", "abc");
    CString withNul("a", 1);
    withNul += '\0';
    EXPECT_EQ(withNul.GetLength(), 2);
}

TEST(CString, EmptyNullAndComparisons) {
    CString text(static_cast<const char*>(nullptr));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(text == static_cast<const char*>(nullptr));
    text = "x";
    text.Empty();
    EXPECT_STREQ(text.GetString(), "");
    EXPECT_TRUE(CString("A") < CString("a"));
    EXPECT_TRUE(CString("a") < CString("\xe9")); // bytes compare unsigned
    EXPECT_NE(CString("a"), "b");
}

TEST(CString, GetBufferAndReleaseBuffer) {
    CString text("abc");
    char* buffer = text.GetBuffer(10);
    std::strcpy(buffer, "hello");
    text.ReleaseBuffer();
    EXPECT_EQ(text, "hello");
    text.GetBuffer(0)[0] = 'j';
    text.ReleaseBuffer(2);
    EXPECT_EQ(text, "je");
}

TEST(CStringArray, SetSizeAndSetAtGrow) {
    CStringArray array;
    array.SetSize(2);
    EXPECT_EQ(array.GetSize(), 2);
    array.SetAtGrow(4, "-water");
    EXPECT_EQ(array.GetSize(), 5);
    EXPECT_EQ(array[4], "-water");
    EXPECT_TRUE(array[3].IsEmpty());
    EXPECT_EQ(array.Add("x"), 5);
    array.SetSize(1);
    EXPECT_EQ(array.GetUpperBound(), 0);
}
