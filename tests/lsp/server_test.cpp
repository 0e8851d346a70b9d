// The server at the protocol level: lifecycle, every error answer, and that it keeps serving
// after each. Session checks in every test that the output holds protocol messages only.
#include "session.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace vxcheck::lsp::testing {
namespace {

constexpr const char* kUri = "file:///tmp/vxcheck-test/input.pqi";

TEST(Server, InitializeAnnouncesCapabilitiesAndExitAfterShutdownSucceeds) {
    Session session;
    session.Initialize().Finish();
    EXPECT_EQ(session.Run(), 0);
    Json capabilities = session.Answer(0)["result"]["capabilities"];
    EXPECT_EQ(capabilities["positionEncoding"], "utf-16");
    EXPECT_EQ(capabilities["textDocumentSync"]["change"], 2);
    EXPECT_EQ(capabilities["hoverProvider"], true);
    EXPECT_EQ(capabilities["signatureHelpProvider"]["triggerCharacters"], Json({"(", ","}));
    EXPECT_EQ(capabilities["documentSymbolProvider"], true);
    EXPECT_TRUE(capabilities["completionProvider"].is_object());
    EXPECT_TRUE(session.Answer(9999)["result"].is_null());

    Session noShutdown;
    noShutdown.Initialize().Notify("exit");
    EXPECT_EQ(noShutdown.Run(), 1);
    Session endOfInput;
    endOfInput.Initialize();
    EXPECT_EQ(endOfInput.Run(), 1);
}

TEST(Server, AnswersOnlyInitializeBeforeItAndNothingAfterShutdown) {
    Session session;
    session.At(1, "textDocument/hover", kUri, 0, 0)
        .Open(kUri, "SOLUTION 1\n") // dropped: not initialized yet
        .Initialize()
        .At(2, "textDocument/hover", kUri, 0, 0)
        .Request(3, "initialize")
        .Request(4, "shutdown")
        .At(5, "textDocument/hover", kUri, 0, 0)
        .Notify("exit");
    EXPECT_EQ(session.Run(), 0);
    EXPECT_EQ(session.ErrorOf(1), static_cast<int>(ErrorCode::ServerNotInitialized));
    EXPECT_EQ(session.ErrorOf(2), static_cast<int>(ErrorCode::RequestFailed));
    EXPECT_EQ(session.ErrorOf(3), static_cast<int>(ErrorCode::InvalidRequest));
    EXPECT_EQ(session.ErrorOf(5), static_cast<int>(ErrorCode::InvalidRequest));
}

TEST(Server, MalformedMessagesGetTheRightErrorAndServingGoesOn) {
    Session session;
    session.Initialize()
        .Raw("Content-Length: 9\r\n\r\n{\"jsonrpc")                      // invalid JSON
        .Raw("Content-Length: x\r\n\r\n")                                // bad header
        .Raw("Content-Length: 3\r\n\r\n[1]")                             // not an object
        .Send({{"jsonrpc", "2.0"}, {"id", 1.5}, {"method", "shutdown"}}) // bad id
        .Send({{"jsonrpc", "1.0"}, {"id", 2}, {"method", "shutdown"}})
        .Request(3, "textDocument/unknown")
        .Notify("textDocument/unknown")                       // unknown notifications are ignored
        .Request(4, "initialized")                            // a notification sent as a request
        .Send({{"jsonrpc", "2.0"}, {"id", 5}, {"result", 1}}) // an answer: ignored
        .Finish();
    EXPECT_EQ(session.Run(), 0);
    std::vector<int> nullIdErrors;
    for (const Json& message : session.Output()) {
        if (message.contains("error") && message["id"].is_null()) {
            nullIdErrors.push_back(message["error"]["code"]);
        }
    }
    EXPECT_EQ(nullIdErrors, (std::vector<int>{-32700, -32700, -32600, -32600}));
    EXPECT_EQ(session.ErrorOf(2), static_cast<int>(ErrorCode::InvalidRequest));
    EXPECT_EQ(session.ErrorOf(3), static_cast<int>(ErrorCode::MethodNotFound));
    EXPECT_EQ(session.ErrorOf(4), static_cast<int>(ErrorCode::InvalidRequest));
    EXPECT_TRUE(session.Answer(5).is_null());
    EXPECT_TRUE(session.Answer(9999).contains("result"));
}

TEST(Server, WrongParamsUnopenedDocumentsAndPositionsOutsideAreErrors) {
    Session session;
    session.Initialize()
        .Open(kUri, "SOLUTION 1\n  pH 7")
        .Request(
            1, "textDocument/hover",
            {{"textDocument", {{"uri", kUri}}}, {"position", {{"line", "0"}, {"character", 0}}}})
        .Request(
            2, "textDocument/hover",
            {{"textDocument", {{"uri", kUri}}}, {"position", {{"line", true}, {"character", 0}}}})
        .At(3, "textDocument/completion", kUri, -1, 0)
        .Request(4, "textDocument/documentSymbol", Json::array())
        .Request(5, "textDocument/documentSymbol")
        .At(6, "textDocument/completion", "file:///never/opened.pqi", 0, 0)
        .At(7, "textDocument/hover", kUri, 2, 0)       // line past the last
        .At(8, "textDocument/completion", kUri, 1, 99) // character past the end: the line's end
        .Notify("textDocument/didChange", {{"textDocument", {{"uri", "file:///x"}, {"version", 2}}},
                                           {"contentChanges", Json::array()}})
        .Notify("textDocument/didOpen", {{"textDocument", {{"uri", 7}}}})
        .Finish();
    EXPECT_EQ(session.Run(), 0);
    for (int id : {1, 2, 3, 4, 5, 7}) {
        EXPECT_EQ(session.ErrorOf(id), static_cast<int>(ErrorCode::InvalidParams)) << id;
    }
    EXPECT_EQ(session.ErrorOf(6), static_cast<int>(ErrorCode::RequestFailed));
    EXPECT_TRUE(session.Answer(8)["result"]["items"].is_array());
    EXPECT_EQ(session.Notifications("window/logMessage").size(), 2u);
}

TEST(Server, CancelReachesARequestThatWaitsBehindIt) {
    Session session;
    session.Initialize()
        .Open(kUri, "SOLUTION 1\n")
        .At(1, "textDocument/completion", kUri, 0, 3)
        .Notify("$/cancelRequest", {{"id", 1}})
        .At(2, "textDocument/completion", kUri, 0, 3)
        .Notify("$/cancelRequest", {{"id", "not a request"}})
        .Notify("$/cancelRequest", {{"id", 1.5}})
        .Finish();
    EXPECT_EQ(session.Run(), 0);
    EXPECT_EQ(session.ErrorOf(1), static_cast<int>(ErrorCode::RequestCancelled));
    EXPECT_TRUE(session.Answer(2).contains("result"));
}

TEST(Server, IncrementalChangesInUtf8WhenTheClientOffersIt) {
    Session session;
    session
        .Initialize({{"capabilities", {{"general", {{"positionEncodings", {"utf-16", "utf-8"}}}}}}})
        .Open(kUri, "TITLE \xC3\xA9t\xC3\xA9\nEND\n")
        // Insert "SOLUTION 1" after the title text: byte 11 in UTF-8.
        .Notify("textDocument/didChange", {{"textDocument", {{"uri", kUri}, {"version", 2}}},
                                           {"contentChanges",
                                            {{{"range",
                                               {{"start", {{"line", 0}, {"character", 11}}},
                                                {"end", {{"line", 0}, {"character", 11}}}}},
                                              {"text", "\nSOLUTION 1"}}}}})
        .Request(1, "textDocument/documentSymbol", {{"textDocument", {{"uri", kUri}}}})
        .Finish();
    EXPECT_EQ(session.Run(), 0);
    EXPECT_EQ(session.Answer(0)["result"]["capabilities"]["positionEncoding"], "utf-8");
    Json simulation = session.Answer(1)["result"][0];
    ASSERT_EQ(simulation["children"].size(), 2u);
    EXPECT_EQ(simulation["children"][0]["name"], "TITLE \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(simulation["children"][0]["selectionRange"]["end"]["character"], 11);
    EXPECT_EQ(simulation["children"][1]["name"], "SOLUTION 1");
    std::vector<Json> published = session.Notifications("textDocument/publishDiagnostics");
    ASSERT_EQ(published.size(), 2u);
    EXPECT_EQ(published[1]["version"], 2);
}

TEST(Server, ADatabaseThatCannotBeReadIsToldOnceAndMarkedOnItsLine) {
    Session session;
    session.Initialize()
        .Open("file:///tmp/a.pqi", "DATABASE /nonexistent/x.dat\nSOLUTION 1\n")
        .Open("file:///tmp/b.pqi", "# comment\nDATABASE /nonexistent/x.dat\n")
        .Notify("workspace/didChangeConfiguration",
                {{"settings", {{"vxcheck", {{"database", "/nonexistent/y.dat"}}}}}})
        .Finish();
    EXPECT_EQ(session.Run(), 0);
    std::vector<Json> messages = session.Notifications("window/showMessage");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0]["message"].get<std::string>().find("/nonexistent/x.dat"),
              std::string::npos);
    std::vector<Json> published = session.Notifications("textDocument/publishDiagnostics");
    ASSERT_EQ(published.size(), 4u); // two opens, then both again for the new setting
    for (const Json& params : published) {
        ASSERT_EQ(params["diagnostics"].size(), 1u);
        int line = params["uri"] == "file:///tmp/a.pqi" ? 0 : 1;
        EXPECT_EQ(params["diagnostics"][0]["range"]["start"]["line"], line);
    }
}

TEST(Server, TheSettingIsUsedWhenNoDatabaseLineNamesOne) {
    Session session;
    session.Initialize({{"initializationOptions", {{"database", "/nonexistent/z.dat"}}}})
        .Open(kUri, "SOLUTION 1\n")
        .Finish();
    EXPECT_EQ(session.Run({[](const std::string&, DatabaseNames&) {}, "/nonexistent/env.dat"}), 0);
    std::vector<Json> messages = session.Notifications("window/showMessage");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0]["message"].get<std::string>().find("z.dat"), std::string::npos);
    // Without a DATABASE line there is no line to mark.
    EXPECT_TRUE(session.Notifications("textDocument/publishDiagnostics")[0]["diagnostics"].empty());
}

TEST(Server, BlockTemplatesOnlyForAClientThatTakesSnippets) {
    const Json takes = {
        {"capabilities",
         {{"textDocument", {{"completion", {{"completionItem", {{"snippetSupport", true}}}}}}}}}};
    const Json malformed = {
        {"capabilities",
         {{"textDocument", {{"completion", {{"completionItem", {{"snippetSupport", "yes"}}}}}}}}}};
    for (const auto& [params, offered] :
         {std::pair{takes, true}, std::pair{malformed, false}, std::pair{Json::object(), false}}) {
        Session session;
        session.Initialize(params)
            .Open(kUri, "\n")
            .At(1, "textDocument/completion", kUri, 0, 0)
            .Finish();
        EXPECT_EQ(session.Run(), 0);
        std::vector<std::string> labels = Labels(session.Answer(1));
        EXPECT_NE(std::find(labels.begin(), labels.end(), "SOLUTION"), labels.end());
        EXPECT_EQ(std::find(labels.begin(), labels.end(), "SOLUTION block") != labels.end(),
                  offered)
            << params.dump();
    }
}

TEST(Server, HoverIsMarkdownUnlessTheClientShowsOnlyPlainText) {
    const Json plain = {
        {"capabilities", {{"textDocument", {{"hover", {{"contentFormat", {"plaintext"}}}}}}}}};
    for (const Json& params : {Json::object(), plain}) {
        Session session;
        session.Initialize(params)
            .Open(kUri, "SOLUTION 1\n")
            .At(1, "textDocument/hover", kUri, 0, 2)
            .Finish();
        EXPECT_EQ(session.Run(), 0);
        const Json contents = session.Answer(1)["result"]["contents"];
        const bool markdown = params.empty();
        EXPECT_EQ(contents["kind"], markdown ? "markdown" : "plaintext");
        EXPECT_EQ(contents["value"].get<std::string>().starts_with("**SOLUTION**"), markdown);
    }
}

} // namespace
} // namespace vxcheck::lsp::testing
