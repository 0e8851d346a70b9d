// Text and JSON output: JSON's escapes byte by byte, lists, numbers and trees.
#include "output.h"

#include <vxcheck/kw_tree.h>

#include <gtest/gtest.h>

#include <sstream>

using vxcheck::cli::JsonString;
using vxcheck::cli::Output;
using namespace std::string_literals;

TEST(Output, JsonStringEscapesEveryByteByItsRule) {
    EXPECT_EQ(JsonString(""), R"("")");
    EXPECT_EQ(JsonString("Ca+2 (g) /~"), R"("Ca+2 (g) /~")");
    EXPECT_EQ(JsonString(R"(a"b\c)"), R"("a\"b\\c")");
    EXPECT_EQ(JsonString("\x08\x09\x0a\x0c\x0d"), R"("\b\t\n\f\r")");
    EXPECT_EQ(JsonString("\x00\x01\x07\x0b\x0e\x1a\x1f"s),
              R"("\u0000\u0001\u0007\u000b\u000e\u001a\u001f")");
    // Bytes from 0x7F up stand for the Latin-1 character of the same number.
    EXPECT_EQ(JsonString("\x7f\x80\xab\xe9\xff"), R"("\u007f\u0080\u00ab\u00e9\u00ff")");
    EXPECT_EQ(JsonString("Caf\xe9-\x1b"), R"("Caf\u00e9-\u001b")");
}

TEST(Output, ListsAsLinesOrAsOneArray) {
    const std::vector<CString> list = {"Calcite", CString("a\0b", 3), "\xe9\"", ""};
    std::ostringstream text;
    Output(text, false).List(list);
    EXPECT_EQ(text.str(), "Calcite\na\0b\n\xe9\"\n\n"s);
    std::ostringstream json;
    Output(json, true).List(list);
    EXPECT_EQ(json.str(), "[\"Calcite\",\"a\\u0000b\",\"\\u00e9\\\"\",\"\"]\n");

    std::ostringstream empty;
    Output(empty, false).List({});
    Output(empty, true).List({});
    EXPECT_EQ(empty.str(), "[]\n");

    std::ostringstream numbers;
    Output(numbers, false).Integer(-1);
    Output(numbers, true).Integer(64);
    EXPECT_EQ(numbers.str(), "-1\n64\n");
}

TEST(Output, TreeInPreOrder) {
    Cvx_KwTree tree;
    tree.Init(nullptr);
    tree.AddGroupNode("G\t1");
    tree.AddKeywordNode("Solution", 1);
    tree.AddChildNode(tree.AddKeywordNode("Use", 1), "-x");
    tree.AddGroupNode("H");

    std::ostringstream text;
    Output(text, false).Tree(*tree.GetRoot());
    EXPECT_EQ(text.str(), "List of Keywords\n"
                          "  G\t1\n"
                          "    Solution\n"
                          "    Use\n"
                          "      -x\n"
                          "  H\n");
    std::ostringstream json;
    Output(json, true).Tree(*tree.GetRoot());
    EXPECT_EQ(json.str(),
              R"({"name":"List of Keywords","kind":-1,"children":[)"
              R"({"name":"G\t1","kind":0,"children":[)"
              R"({"name":"Solution","kind":1,"children":[]},)"
              R"({"name":"Use","kind":1,"children":[{"name":"-x","kind":-1,"children":[]}]}]},)"
              R"({"name":"H","kind":0,"children":[]}]})"
              "\n");
}
