// The server's document methods: did-open, did-change and did-close keep the documents and
// publish their diagnostics; completion, hover and documentSymbol hand one to its feature.
#include "lsp/server.h"

#include "lsp/features/features.h"

namespace vxcheck::lsp {

Document& Server::OpenDocument(const std::string& uri) {
    Document* document = m_documents.Find(uri);
    if (document == nullptr) {
        throw RequestError{ErrorCode::RequestFailed, "document not open: " + uri};
    }
    return *document;
}

TextPoint Server::PointOf(const Document& document, Position position) const {
    TextPoint point;
    if (!document.ToPoint(position, m_encoding, point)) {
        throw RequestError{ErrorCode::InvalidParams,
                           "line " + std::to_string(position.line) + " is outside the document"};
    }
    return point;
}

FeatureContext Server::ContextOf(const std::string& uri, Reads reads) {
    const Document& document = OpenDocument(uri);
    return {document, OutlineOf(document), m_vocabulary,
            reads == Reads::Database ? DatabaseOf(document) : nullptr, m_encoding};
}

std::pair<FeatureContext, TextPoint> Server::ContextAt(const std::string& uri, Position position,
                                                       Reads reads) {
    FeatureContext context = ContextOf(uri, reads);
    const TextPoint point = PointOf(context.document, position);
    return {context, point};
}

const Outline& Server::OutlineOf(const Document& document) {
    auto& [revision, outline] = m_outlines[document.Uri()];
    if (!outline || revision != document.Revision()) {
        outline = std::make_unique<Outline>(document, m_vocabulary);
        revision = document.Revision();
    }
    return *outline;
}

const DatabaseNames* Server::DatabaseOf(const Document& document) {
    DatabaseChoice choice = ChooseDatabase(document, m_settings);
    if (choice.source == DatabaseChoice::Source::None) {
        return nullptr;
    }
    return m_databases.Get(choice.path).names.get();
}

void Server::PublishDiagnostics(const Document& document) {
    DatabaseChoice choice = ChooseDatabase(document, m_settings);
    DatabaseStatus* status = nullptr;
    if (choice.source != DatabaseChoice::Source::None) {
        status = &m_databases.Get(choice.path);
        if (!status->names && !status->reported) {
            status->reported = true;
            Notify("window/showMessage", {{"type", static_cast<int>(MessageType::Error)},
                                          {"message", "vxcheck: " + status->error}});
        }
    }
    Notify("textDocument/publishDiagnostics",
           {{"uri", document.Uri()},
            {"version", document.Version()},
            {"diagnostics", Diagnostics(document, choice, status, m_encoding)}});
}

void Server::OnDidOpen(const DidOpenTextDocumentParams& params) {
    m_outlines.erase(params.textDocument.uri);
    PublishDiagnostics(m_documents.Open(params.textDocument));
}

void Server::OnDidChange(const DidChangeTextDocumentParams& params) {
    Document& document = OpenDocument(params.textDocument.uri);
    for (const TextDocumentContentChangeEvent& change : params.contentChanges) {
        document.Apply(change, m_encoding);
    }
    document.SetVersion(params.textDocument.version);
    PublishDiagnostics(document);
}

void Server::OnDidClose(const DidCloseTextDocumentParams& params) {
    if (!m_documents.Close(params.textDocument.uri)) {
        throw RequestError{ErrorCode::RequestFailed,
                           "document not open: " + params.textDocument.uri};
    }
    m_outlines.erase(params.textDocument.uri);
    m_semanticTokens.erase(params.textDocument.uri);
    Notify("textDocument/publishDiagnostics",
           {{"uri", params.textDocument.uri}, {"diagnostics", Json::array()}});
}

JsonText Server::OnCompletion(const TextDocumentPositionParams& params) {
    const auto [context, point] =
        ContextAt(params.textDocument.uri, params.position, Reads::Database);
    return ToJsonText(Completion(context, point, m_snippets));
}

Json Server::OnHover(const TextDocumentPositionParams& params) {
    const auto [context, point] =
        ContextAt(params.textDocument.uri, params.position, Reads::Database);
    std::optional<Hover> hover = HoverAt(context, point);
    if (hover && m_plainHover) {
        hover->markdown = PlainText(hover->markdown);
        hover->plain = true;
    }
    return hover ? Json(*hover) : Json(nullptr);
}

Json Server::OnSignatureHelp(const TextDocumentPositionParams& params) {
    const auto [context, point] =
        ContextAt(params.textDocument.uri, params.position, Reads::Database);
    std::optional<SignatureHelp> help = SignatureHelpAt(context, point);
    return help ? Json(*help) : Json(nullptr);
}

JsonText Server::OnDocumentSymbol(const DocumentSymbolParams& params) {
    const FeatureContext context = ContextOf(params.textDocument.uri, Reads::Document);
    return ToJsonText(DocumentSymbols(context));
}

} // namespace vxcheck::lsp
