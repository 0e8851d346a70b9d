// The protocol's structures of navigation, renaming and semantic tokens, with LSP's own field
// names and their JSON conversions.
#pragma once

#include "lsp/protocol.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vxcheck::lsp {

struct Location {
    std::string uri;
    Range range;
};
void to_json(Json& json, const Location& location);

// Params of references: a position, and whether the definitions count too.
struct ReferenceParams {
    TextDocumentIdentifier textDocument;
    Position position;
    bool includeDeclaration = true;
};
void from_json(const Json& json, ReferenceParams& params);

struct RenameParams {
    TextDocumentIdentifier textDocument;
    Position position;
    std::string newName;
};
void from_json(const Json& json, RenameParams& params);

// Changes by URI.
struct WorkspaceEdit {
    std::map<std::string, std::vector<TextEdit>> changes;
};
void to_json(Json& json, const WorkspaceEdit& edit);
void to_json(Json& json, const TextEdit& edit);

enum class DocumentHighlightKind { Text = 1, Read = 2, Write = 3 };

struct DocumentHighlight {
    Range range;
    DocumentHighlightKind kind = DocumentHighlightKind::Read;
};
void to_json(Json& json, const DocumentHighlight& highlight);

// An outline as JSON text: an input of many megabytes has hundreds of thousands of blocks, whose
// JSON tree would take many times the memory of the text.
JsonText ToJsonText(const std::vector<DocumentSymbol>& symbols);

// Params of semanticTokens/full and, with previousResultId, of semanticTokens/full/delta.
struct SemanticTokensParams {
    TextDocumentIdentifier textDocument;
    std::string previousResultId;
};
void from_json(const Json& json, SemanticTokensParams& params);

struct SemanticTokens {
    std::string resultId;
    std::vector<unsigned> data; // five numbers per token, each relative to the one before
};
// As JSON text: a large document has hundreds of thousands of numbers, too many for a JSON tree.
JsonText ToJsonText(const SemanticTokens& tokens);

// The change from one result to the next: data[start, start + deleteCount) replaced by data.
struct SemanticTokensEdit {
    unsigned start = 0;
    unsigned deleteCount = 0;
    std::vector<unsigned> data;
};

struct SemanticTokensDelta {
    std::string resultId;
    std::vector<SemanticTokensEdit> edits;
};
JsonText ToJsonText(const SemanticTokensDelta& delta);

} // namespace vxcheck::lsp
