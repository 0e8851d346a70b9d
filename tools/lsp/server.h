// The language server: reads messages, dispatches them through one table and answers. One
// thread; the server object owns the checker, the vocabulary, the documents and the databases.
#pragma once

#include "lsp/databases.h"
#include "lsp/document_database.h"
#include "lsp/documents.h"
#include "lsp/features/features.h"
#include "lsp/message_body.h"
#include "lsp/outline.h"
#include "lsp/protocol.h"
#include "lsp/protocol_navigation.h"
#include "lsp/transport.h"
#include "lsp/vocabulary.h"

#include <vxcheck/check.h>

#include <deque>
#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vxcheck::lsp {

struct ServerConfig {
    DatabaseReader readDatabase;     // how database files are read
    std::string environmentDatabase; // PHREEQC_DATABASE as the server was started, or empty
};

// A request that fails with an error answer.
struct RequestError {
    ErrorCode code;
    std::string message;
};

class Server {
  public:
    Server(std::istream& in, std::ostream& out, ServerConfig config);

    // Serves until exit or the end of input. Returns the exit status: 0 after shutdown and
    // exit, else 1.
    int Run();

  private:
    // A handler takes the params and gives the result as JSON text (nothing for notifications).
    // It may empty the params once read, so that a document's text is not held twice.
    using Handler = std::function<JsonText(Json& params)>;
    struct Method {
        bool isRequest;
        Handler handler;
    };
    enum class State { Starting, Running, ShutDown };
    // A message read ahead, or why the bytes read were none.
    using Incoming = ParsedBody;

    template <typename Result, typename Params>
    Method Request(Result (Server::*handler)(const Params&));
    template <typename Params> Method Notification(void (Server::*handler)(const Params&));

    bool ReadOne();
    void Dispatch(Json& message);
    void Answer(const Json& id, Json& params, const Method* method, const std::string& name);
    void Send(const Json& message);
    void SendError(const Json& id, ErrorCode code, const std::string& message);
    void Notify(const char* method, Json params);

    JsonText OnCompletion(const TextDocumentPositionParams& params);
    Json OnDefinition(const TextDocumentPositionParams& params);
    Json OnDocumentHighlight(const TextDocumentPositionParams& params);
    JsonText OnDocumentSymbol(const DocumentSymbolParams& params);
    Json OnHover(const TextDocumentPositionParams& params);
    Json OnSignatureHelp(const TextDocumentPositionParams& params);
    Json OnPrepareRename(const TextDocumentPositionParams& params);
    Json OnReferences(const ReferenceParams& params);
    Json OnRename(const RenameParams& params);
    JsonText OnSemanticTokensFull(const SemanticTokensParams& params);
    JsonText OnSemanticTokensDelta(const SemanticTokensParams& params);
    Json OnInitialize(const Json& params);
    Json OnShutdown(const Json& params);
    void OnCancelRequest(const Json& params);
    void OnDidChange(const DidChangeTextDocumentParams& params);
    void OnDidChangeConfiguration(const Json& params);
    void OnDidClose(const DidCloseTextDocumentParams& params);
    void OnDidOpen(const DidOpenTextDocumentParams& params);
    void OnExit(const Json& params);
    void OnInitialized(const Json& params);

    Document& OpenDocument(const std::string& uri);
    TextPoint PointOf(const Document& document, Position position) const;
    // What a feature reads of the open document uri: its outline and, for features that look
    // names up, its database. Throws RequestError when the document is not open.
    enum class Reads { Document, Database };
    FeatureContext ContextOf(const std::string& uri, Reads reads);
    // The same, and position as a point of the document (RequestError when outside it).
    std::pair<FeatureContext, TextPoint> ContextAt(const std::string& uri, Position position,
                                                   Reads reads);
    const Outline& OutlineOf(const Document& document);
    const DatabaseNames* DatabaseOf(const Document& document);
    void PublishDiagnostics(const Document& document);

    MessageReader m_reader;
    std::ostream& m_out;
    Cvx_Check m_checker;
    Vocabulary m_vocabulary;
    DatabaseCache m_databases;
    Documents m_documents;
    std::map<std::string, std::pair<unsigned, std::unique_ptr<Outline>>> m_outlines;
    std::map<std::string, SemanticTokens> m_semanticTokens; // the last sent, for deltas
    unsigned m_semanticResults = 0;
    Settings m_settings;
    PositionEncoding m_encoding = PositionEncoding::Utf16;
    bool m_snippets = false;   // the client takes completion items in the snippet format
    bool m_plainHover = false; // the client shows no Markdown in hovers
    State m_state = State::Starting;
    bool m_exit = false;
    std::deque<Incoming> m_queue;
    std::map<std::string, Method> m_methods;
};

} // namespace vxcheck::lsp
