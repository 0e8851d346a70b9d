// The server's features, one file each, named after their methods. Each reads one document,
// the vocabulary and the document's database, and changes nothing.
#pragma once

#include "lsp/databases.h"
#include "lsp/document_database.h"
#include "lsp/documents.h"
#include "lsp/outline.h"
#include "lsp/positions.h"
#include "lsp/protocol.h"
#include "lsp/vocabulary.h"

#include <optional>
#include <vector>

namespace vxcheck::lsp {

// What a feature may read.
struct FeatureContext {
    const Document& document;
    const Outline& outline;
    const Vocabulary& vocabulary;
    const DatabaseNames* database; // null when the document has none that could be read
    PositionEncoding encoding;
};

// textDocument/completion at a point; block templates too when the client takes snippets.
CompletionList Completion(const FeatureContext& context, TextPoint point, bool snippets = false);

// textDocument/hover at a point, as Markdown; nothing when the point is on no word the server
// knows.
std::optional<Hover> HoverAt(const FeatureContext& context, TextPoint point);
// textDocument/signatureHelp at a point: the BASIC function whose call's arguments the point
// stands in, with its parameters and the argument being written; nothing outside a call.
std::optional<SignatureHelp> SignatureHelpAt(const FeatureContext& context, TextPoint point);

// A hover's Markdown as plain text, for clients that show no Markdown.
std::string PlainText(std::string_view markdown);

// textDocument/documentSymbol: the blocks, inside their simulations where END closes one.
std::vector<DocumentSymbol> DocumentSymbols(const FeatureContext& context);

// textDocument/publishDiagnostics: a database that cannot be read (on its DATABASE line), then
// LintInput's diagnostics of the document against its database's names, in text order.
// It needs no outline, so that an edit is answered without one.
std::vector<Diagnostic> Diagnostics(const Document& document, const DatabaseChoice& choice,
                                    const DatabaseStatus* status, PositionEncoding encoding);

} // namespace vxcheck::lsp
