// The server's navigation methods: definition, references, documentHighlight, prepareRename,
// rename and semantic tokens, each handing one document to its feature. Semantic tokens keep
// the last result per document, so that a delta can be answered.
#include "lsp/server.h"

#include "lsp/features/navigation.h"

namespace vxcheck::lsp {

Json Server::OnDefinition(const TextDocumentPositionParams& params) {
    const auto [context, point] =
        ContextAt(params.textDocument.uri, params.position, Reads::Database);
    return Definition(context, point);
}

Json Server::OnReferences(const ReferenceParams& params) {
    const auto [context, point] =
        ContextAt(params.textDocument.uri, params.position, Reads::Document);
    return References(context, point, params.includeDeclaration);
}

Json Server::OnDocumentHighlight(const TextDocumentPositionParams& params) {
    const auto [context, point] =
        ContextAt(params.textDocument.uri, params.position, Reads::Document);
    return DocumentHighlights(context, point);
}

Json Server::OnPrepareRename(const TextDocumentPositionParams& params) {
    const auto [context, point] =
        ContextAt(params.textDocument.uri, params.position, Reads::Document);
    RenameTarget target = FindRenameTarget(context, point);
    if (target.occurrence == nullptr) {
        throw RequestError{ErrorCode::RequestFailed, target.reason};
    }
    return {{"range", RangeOf(context, *target.occurrence)},
            {"placeholder", std::string(target.occurrence->name)}};
}

Json Server::OnRename(const RenameParams& params) {
    const auto [context, point] =
        ContextAt(params.textDocument.uri, params.position, Reads::Document);
    std::string reason;
    std::optional<WorkspaceEdit> edit = Rename(context, point, params.newName, reason);
    if (!edit) {
        throw RequestError{ErrorCode::RequestFailed, reason};
    }
    return *edit;
}

JsonText Server::OnSemanticTokensFull(const SemanticTokensParams& params) {
    const FeatureContext context = ContextOf(params.textDocument.uri, Reads::Document);
    SemanticTokens& tokens = m_semanticTokens[context.document.Uri()];
    tokens = SemanticTokensOf(context, std::to_string(++m_semanticResults));
    return ToJsonText(tokens);
}

// A delta from a result the server no longer has is answered with the whole result.
JsonText Server::OnSemanticTokensDelta(const SemanticTokensParams& params) {
    const FeatureContext context = ContextOf(params.textDocument.uri, Reads::Document);
    SemanticTokens& tokens = m_semanticTokens[context.document.Uri()];
    SemanticTokens next = SemanticTokensOf(context, std::to_string(++m_semanticResults));
    const bool known = !tokens.resultId.empty() && tokens.resultId == params.previousResultId;
    JsonText answer = known ? ToJsonText(DeltaOf(tokens.data, next)) : ToJsonText(next);
    tokens = std::move(next);
    return answer;
}

} // namespace vxcheck::lsp
