// Navigation, rename and semantic tokens through the protocol: capabilities, answers, errors
// for what cannot be renamed, and a delta against the result the client holds.
#include "session.h"

namespace vxcheck::lsp::testing {
namespace {

constexpr const char* kUri = "file:///tmp/vxcheck-test/navigation.pqi";
constexpr const char* kText = "SOLUTION 1\n"
                              "END\n"
                              "USE solution 1\n"
                              "EQUILIBRIUM_PHASES 1\n"
                              "  Calcite 0 0\n";

TEST(ServerNavigation, AnswersEveryMethodAndRefusesDatabaseNames) {
    Session session;
    session.Initialize()
        .Open(kUri, kText)
        .At(1, "textDocument/definition", kUri, 2, 13)
        .At(2, "textDocument/documentHighlight", kUri, 0, 9)
        .Request(3, "textDocument/references",
                 {{"textDocument", {{"uri", kUri}}},
                  {"position", {{"line", 2}, {"character", 13}}},
                  {"context", {{"includeDeclaration", false}}}})
        .At(4, "textDocument/prepareRename", kUri, 0, 9)
        .At(5, "textDocument/prepareRename", kUri, 4, 4)
        .Request(6, "textDocument/rename",
                 {{"textDocument", {{"uri", kUri}}},
                  {"position", {{"line", 0}, {"character", 9}}},
                  {"newName", "4"}})
        .Request(7, "textDocument/semanticTokens/full", {{"textDocument", {{"uri", kUri}}}})
        .Notify("textDocument/didChange", {{"textDocument", {{"uri", kUri}, {"version", 2}}},
                                           {"contentChanges",
                                            {{{"range",
                                               {{"start", {{"line", 4}, {"character", 2}}},
                                                {"end", {{"line", 4}, {"character", 9}}}}},
                                              {"text", "Gypsum"}}}}})
        .Request(8, "textDocument/semanticTokens/full/delta",
                 {{"textDocument", {{"uri", kUri}}}, {"previousResultId", "1"}})
        .Request(9, "textDocument/semanticTokens/full/delta",
                 {{"textDocument", {{"uri", kUri}}}, {"previousResultId", "stale"}})
        .Finish();
    EXPECT_EQ(session.Run(), 0);
    const Json capabilities = session.Answer(0)["result"]["capabilities"];
    EXPECT_EQ(capabilities["definitionProvider"], true);
    EXPECT_EQ(capabilities["renameProvider"]["prepareProvider"], true);
    EXPECT_TRUE(capabilities["semanticTokensProvider"]["full"]["delta"]);
    EXPECT_FALSE(capabilities["semanticTokensProvider"]["legend"]["tokenTypes"].empty());

    const Json definition = session.Answer(1)["result"];
    ASSERT_EQ(definition.size(), 1u);
    EXPECT_EQ(definition[0]["uri"], kUri);
    EXPECT_EQ(definition[0]["range"]["start"]["line"], 0);
    EXPECT_EQ(session.Answer(2)["result"].size(), 2u);
    EXPECT_EQ(session.Answer(2)["result"][0]["kind"], 3); // the definition, a write
    EXPECT_EQ(session.Answer(3)["result"].size(), 1u);
    EXPECT_EQ(session.Answer(4)["result"]["placeholder"], "1");
    EXPECT_EQ(session.ErrorOf(5), static_cast<int>(ErrorCode::RequestFailed));
    EXPECT_EQ(session.Answer(6)["result"]["changes"][kUri].size(), 2u);

    const Json full = session.Answer(7)["result"];
    EXPECT_EQ(full["resultId"], "1");
    EXPECT_EQ(full["data"].size() % 5, 0u);
    const Json delta = session.Answer(8)["result"];
    ASSERT_EQ(delta["edits"].size(), 1u);
    EXPECT_EQ(delta["resultId"], "2");
    EXPECT_TRUE(session.Answer(9)["result"].contains("data")); // a stale id gets everything
}

} // namespace
} // namespace vxcheck::lsp::testing
