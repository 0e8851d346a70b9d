// Semantic tokens: the protocol's relative encoding, the legend's types, and deltas.
#include "fixture.h"
#include "lsp/features/navigation.h"

namespace vxcheck::lsp::testing {
namespace {

// Decoded tokens: line, character, length and the legend's type name.
struct Decoded {
    int line;
    unsigned character;
    unsigned length;
    std::string type;
    unsigned modifiers;
};

std::vector<Decoded> Decode(const SemanticTokens& tokens) {
    const Json legend = SemanticTokensLegend();
    std::vector<Decoded> decoded;
    int line = 0;
    unsigned character = 0;
    for (std::size_t i = 0; i + 5 <= tokens.data.size(); i += 5) {
        character = tokens.data[i] == 0 ? character + tokens.data[i + 1] : tokens.data[i + 1];
        line += static_cast<int>(tokens.data[i]);
        decoded.push_back({line, character, tokens.data[i + 2],
                           legend["tokenTypes"].at(tokens.data[i + 3]).get<std::string>(),
                           tokens.data[i + 4]});
    }
    return decoded;
}

TEST(SemanticTokens, EncodesPositionsInTheClientsUnits) {
    Marked marked("|SOLUTION 1 é water\n"
                  "  Ca 1\n"
                  "PHASES\n"
                  "Fix_H+ # é\n"
                  "USER_PRINT\n"
                  "10 PRINT SI(\"Calcite\")\n");
    const std::vector<Decoded> tokens = Decode(SemanticTokensOf(marked.context, "1"));
    ASSERT_EQ(tokens.size(), 14u);
    EXPECT_EQ(tokens[0].type, "keyword");
    EXPECT_EQ(tokens[1].type, "number");
    EXPECT_EQ(tokens[1].modifiers, 1u); // SOLUTION 1 defines solution 1
    EXPECT_EQ(tokens[2].type, "string");
    EXPECT_EQ(tokens[2].length, 1u); // "é" is one UTF-16 unit
    EXPECT_EQ(tokens[3].character, 13u);
    EXPECT_EQ(tokens[4].line, 1);
    EXPECT_EQ(tokens[4].type, "enumMember");
    EXPECT_EQ(tokens[5].type, "number");
    EXPECT_EQ(tokens[7].type, "class");
    EXPECT_EQ(tokens[8].type, "comment");
    EXPECT_EQ(tokens[8].length, 3u);
    EXPECT_EQ(tokens[10].type, "macro"); // the BASIC line number
    EXPECT_EQ(tokens[11].type, "keyword");
    EXPECT_EQ(tokens[12].type, "function");
    EXPECT_EQ(tokens[13].type, "string");

    Marked utf8("|SOLUTION 1 é water\n", PositionEncoding::Utf8);
    EXPECT_EQ(Decode(SemanticTokensOf(utf8.context, "1"))[2].length, 2u);
}

TEST(SemanticTokens, DeltaReplacesOnlyWhatChanged) {
    Marked before("|SOLUTION 1\n  Ca 1\n  Na 2\nEND\n");
    Marked after("|SOLUTION 1\n  Ca 1\n  Mg 2\n  K 3\nEND\n");
    const SemanticTokens old = SemanticTokensOf(before.context, "1");
    const SemanticTokens next = SemanticTokensOf(after.context, "2");
    const SemanticTokensDelta delta = DeltaOf(old.data, next);
    EXPECT_EQ(delta.resultId, "2");
    ASSERT_EQ(delta.edits.size(), 1u);
    std::vector<unsigned> patched = old.data;
    const SemanticTokensEdit& edit = delta.edits[0];
    EXPECT_GE(edit.start, 20u); // the first four tokens stay
    patched.erase(patched.begin() + edit.start, patched.begin() + edit.start + edit.deleteCount);
    patched.insert(patched.begin() + edit.start, edit.data.begin(), edit.data.end());
    EXPECT_EQ(patched, next.data);
    EXPECT_TRUE(DeltaOf(next.data, next).edits.empty());
}

TEST(SemanticTokens, TextHoldsEveryNumberWhole) {
    SemanticTokens tokens;
    tokens.resultId = "3";
    tokens.data = {0, 9, 10, 99, 100, 4294967295u};
    EXPECT_EQ(ToJsonText(tokens).text, R"({"resultId":"3","data":[0,9,10,99,100,4294967295]})");
    SemanticTokensDelta delta;
    delta.resultId = "4";
    delta.edits.push_back({1, 2, {}});
    delta.edits.push_back({5, 0, {12, 7}});
    EXPECT_EQ(ToJsonText(delta).text, R"({"resultId":"4","edits":[{"start":1,"deleteCount":2,)"
                                      R"("data":[]},{"start":5,"deleteCount":0,"data":[12,7]}]})");
}

} // namespace
} // namespace vxcheck::lsp::testing
