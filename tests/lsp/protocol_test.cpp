// Protocol structures: strict reading of params, and completion lists written as JSON text.
#include "lsp/protocol.h"

#include <gtest/gtest.h>

namespace vxcheck::lsp {
namespace {

TEST(Protocol, ReadsOnlyWellTypedPositions) {
    EXPECT_EQ(Json({{"line", 3}, {"character", 4}}).get<Position>().character, 4);
    for (Json wrong :
         {Json{{"line", 1.0}, {"character", 0}}, Json{{"line", true}, {"character", 0}},
          Json{{"line", 1}, {"character", -1}}, Json{{"line", 1LL << 40}, {"character", 0}},
          Json{{"line", 1}}, Json::array()}) {
        EXPECT_THROW(wrong.get<Position>(), ParamsError) << wrong;
    }
}

TEST(Protocol, CompletionTextParsesBackToTheItems) {
    CompletionList list;
    list.items.push_back(
        {"Ca\"\\\x01\xC3\xA9", CompletionItemKind::Value, "", {{{2, 5}, {2, 7}}, "new\ttext"}});
    list.items.push_back(
        {"Calcite", CompletionItemKind::Class, "CaCO3", {{{0, 0}, {0, 0}}, "Calcite"}});
    Json json = Json::parse(ToJsonText(list).text);
    EXPECT_EQ(json["isIncomplete"], false);
    ASSERT_EQ(json["items"].size(), 2u);
    const Json& first = json["items"][0];
    EXPECT_EQ(first["label"], "Ca\"\\\x01\xC3\xA9");
    EXPECT_EQ(first["kind"], 12);
    EXPECT_FALSE(first.contains("detail"));
    EXPECT_EQ(first["textEdit"]["range"]["start"]["character"], 5);
    EXPECT_EQ(first["textEdit"]["range"]["end"]["character"], 7);
    EXPECT_EQ(first["textEdit"]["newText"], "new\ttext");
    EXPECT_EQ(json["items"][1]["detail"], "CaCO3");
    EXPECT_EQ(Json::parse(ToJsonText({}).text),
              Json::parse(R"({"isIncomplete":false,"items":[]})"));
}

} // namespace
} // namespace vxcheck::lsp
