// Message bodies that the JSON library alone would refuse or could not survive: nesting beyond the
// bound, and strings with bytes that are not UTF-8, directly and through a whole server session.
#include "lsp/message_body.h"

#include "session.h"

#include <gtest/gtest.h>

namespace vxcheck::lsp::testing {
namespace {

constexpr const char* kUri = "file:///tmp/vxcheck-test/latin1.pqi";

// A body nested depth levels deep inside params, after or before the id.
std::string Nested(std::size_t depth, bool idFirst) {
    std::string params = std::string(depth, '[') + std::string(depth, ']');
    std::string id = "\"id\":7";
    std::string rest = "\"jsonrpc\":\"2.0\",\"method\":\"textDocument/hover\",\"params\":" + params;
    return idFirst ? "{" + id + "," + rest + "}" : "{" + rest + "," + id + "}";
}

// message as text, with each '@' in it replaced by byte.
std::string WithByte(const Json& message, char byte) {
    std::string text = message.dump();
    std::replace(text.begin(), text.end(), '@', byte);
    return text;
}

std::string Framed(const std::string& body) {
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

TEST(MessageBody, NestingIsBoundedAndTheRequestIdStillFound) {
    ParsedBody deep = ParseBody(Nested(130000, false));
    EXPECT_EQ(deep.code, ErrorCode::InvalidRequest);
    EXPECT_EQ(deep.id, 7);
    EXPECT_TRUE(deep.message.is_null());
    EXPECT_EQ(ParseBody(Nested(kMaxNesting, true)).id, 7); // one level too deep: params is one
    ParsedBody bound = ParseBody(Nested(kMaxNesting - 1, true));
    EXPECT_TRUE(bound.error.empty()) << bound.error;
    EXPECT_EQ(bound.message["id"], 7);
    // Brackets inside strings, also after escaped quotes, are text.
    std::string text = "\"\\\"" + std::string(1000, '[') + "\"";
    ParsedBody quoted = ParseBody("{\"id\":1,\"params\":{\"text\":" + text + "}}");
    EXPECT_TRUE(quoted.error.empty()) << quoted.error;
    EXPECT_EQ(quoted.message["params"]["text"].get<std::string>().size(), 1001u);
    // Unbalanced and broken bodies are still errors without an id.
    EXPECT_EQ(ParseBody(std::string(200, '{')).code, ErrorCode::InvalidRequest);
    EXPECT_TRUE(ParseBody(std::string(200, '{')).id.is_null());
    EXPECT_EQ(ParseBody("{\"id\":\"x\",\"a\":\"").code, ErrorCode::ParseError);
}

TEST(MessageBody, BytesThatAreNotUtf8ReachTheStringsUnchanged) {
    // Latin-1, a cut-off sequence, an encoded surrogate, an overlong form, and bytes past U+10FFFF.
    const std::string bytes = "\xE9t\xE9 \xC3 \xED\xA0\x80 \xC0\xAF \xF4\x90\x80\x80";
    ParsedBody parsed = ParseBody("{\"text\":\"" + bytes + "\",\"list\":[\"\xFF\"]}");
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(parsed.message["text"], bytes);
    EXPECT_EQ(parsed.message["list"][0], "\xFF");
    // Private-use characters of the body itself, raw and escaped, are left as they are while
    // other bytes are carried.
    const std::string privateUse = "\xF4\x8F\xBF\xBF \xF3\xB0\x80\x80";
    parsed = ParseBody("{\"a\":\"" + privateUse + "\xE9\",\"b\":\"\\udbff\\udfff\\udb80\\udc00\"}");
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(parsed.message["a"], privateUse + "\xE9");
    EXPECT_EQ(parsed.message["b"], privateUse.substr(0, 4) + privateUse.substr(5));
    // Bytes outside strings are still no JSON.
    EXPECT_EQ(ParseBody("{\"a\":1\xE9}").code, ErrorCode::ParseError);
    EXPECT_FALSE(ParseBody("{\"a\":1\xE9}").error.empty());
}

TEST(MessageBody, ADeepMessageIsAnsweredAndServingGoesOn) {
    Session session;
    session.Initialize()
        .Raw(Framed(Nested(130000, false)))
        .Raw(Framed("{\"jsonrpc\":\"2.0\",\"method\":\"x\",\"params\":" + std::string(5000, '{')))
        .Open(kUri, "SOLUTION 1\n")
        .At(8, "textDocument/hover", kUri, 0, 2)
        .Finish();
    EXPECT_EQ(session.Run(), 0);
    EXPECT_EQ(session.ErrorOf(7), static_cast<int>(ErrorCode::InvalidRequest));
    EXPECT_TRUE(session.Answer(8).contains("result"));
}

// A Latin-1 phase name: "\xE9" is one character in every encoding, the G clef beside it two in
// UTF-16, four in UTF-8 and one in UTF-32. The edit replaces the saturation index "0" after them
// by "x", and the diagnostic must land on that "x", both counted in the client's own units.
struct EncodingCase {
    const char* offered; // nullptr: the client offers nothing
    const char* chosen;
    int index; // the character of the saturation index on line 1
};

TEST(MessageBody, DocumentsWithBytesThatAreNotUtf8InEveryEncoding) {
    for (const EncodingCase& test :
         {EncodingCase{nullptr, "utf-16", 11}, EncodingCase{"utf-8", "utf-8", 13},
          EncodingCase{"utf-32", "utf-32", 10}}) {
        SCOPED_TRACE(test.chosen);
        Json capabilities = Json::object();
        if (test.offered != nullptr) {
            capabilities = {{"general", {{"positionEncodings", {"utf-16", test.offered}}}}};
        }
        Json open = {{"jsonrpc", "2.0"},
                     {"method", "textDocument/didOpen"},
                     {"params",
                      {{"textDocument",
                        {{"uri", kUri},
                         {"languageId", "phreeqc"},
                         {"version", 1},
                         {"text", "EQUILIBRIUM_PHASES 1 @t@\n    C@\xF0\x9D\x84\x9Ete 0 1\n"}}}}}};
        Json change = {{"jsonrpc", "2.0"},
                       {"method", "textDocument/didChange"},
                       {"params",
                        {{"textDocument", {{"uri", kUri}, {"version", 2}}},
                         {"contentChanges",
                          {{{"range",
                             {{"start", {{"line", 1}, {"character", test.index}}},
                              {"end", {{"line", 1}, {"character", test.index + 1}}}}},
                            {"text", "x"}}}}}}};
        Session session;
        session.Initialize({{"capabilities", capabilities}})
            .Raw(Framed(WithByte(open, '\xE9')))
            .At(1, "textDocument/hover", kUri, 1, test.index)
            .Raw(Framed(WithByte(change, '\xE9')))
            .Request(2, "textDocument/documentSymbol", {{"textDocument", {{"uri", kUri}}}})
            .At(3, "textDocument/completion", kUri, 1, 5)
            .Finish();
        EXPECT_EQ(session.Run(), 0);
        EXPECT_EQ(session.Answer(0)["result"]["capabilities"]["positionEncoding"], test.chosen);
        EXPECT_TRUE(session.Answer(1).contains("result"));
        // The title keeps its bytes, shown as the Latin-1 characters they most likely are.
        EXPECT_EQ(session.Answer(2)["result"][0]["children"][0]["name"],
                  "EQUILIBRIUM_PHASES 1 \xC3\xA9t\xC3\xA9");
        EXPECT_TRUE(session.Answer(3)["result"]["items"].is_array());
        std::vector<Json> published = session.Notifications("textDocument/publishDiagnostics");
        ASSERT_EQ(published.size(), 2u);
        EXPECT_TRUE(published[0]["diagnostics"].empty()) << published[0].dump();
        ASSERT_EQ(published[1]["diagnostics"].size(), 1u) << published[1].dump();
        const Json& diagnostic = published[1]["diagnostics"][0];
        EXPECT_EQ(diagnostic["code"], "expected-number");
        EXPECT_EQ(diagnostic["range"]["start"], (Json{{"line", 1}, {"character", test.index}}));
        EXPECT_EQ(diagnostic["range"]["end"], (Json{{"line", 1}, {"character", test.index + 1}}));
    }
}

} // namespace
} // namespace vxcheck::lsp::testing
