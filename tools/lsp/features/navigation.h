// Navigation, renaming and semantic tokens: one file per method, sharing what stands at a point
// (an occurrence of the document's symbol index) and where an occurrence is.
#pragma once

#include "lsp/features/features.h"
#include "lsp/protocol_navigation.h"

#include <vxcheck/input/symbols.h>

#include <optional>
#include <string>
#include <vector>

namespace vxcheck::lsp {

// The occurrence at a point (its end included), or null.
const SymbolOccurrence* OccurrenceAt(const FeatureContext& context, TextPoint point);
// Where an occurrence stands in the document.
Range RangeOf(const FeatureContext& context, const SymbolOccurrence& occurrence);

// textDocument/definition: the input's definitions of what stands at point; when the input
// defines none, the database's, in its file.
std::vector<Location> Definition(const FeatureContext& context, TextPoint point);

// textDocument/references: every occurrence of what stands at point, its definitions only
// when includeDeclaration.
std::vector<Location> References(const FeatureContext& context, TextPoint point,
                                 bool includeDeclaration);

// textDocument/documentHighlight: the same occurrences, definitions as writes.
std::vector<DocumentHighlight> DocumentHighlights(const FeatureContext& context, TextPoint point);

// What a rename at a point may change, or why it may not.
struct RenameTarget {
    const SymbolOccurrence* occurrence = nullptr;     // null when nothing may be renamed
    std::string reason;                               // why not, for the user
    std::vector<const SymbolOccurrence*> occurrences; // what a rename changes
};
RenameTarget FindRenameTarget(const FeatureContext& context, TextPoint point);

// textDocument/rename: the edits, or the reason the new name cannot be taken (in reason).
std::optional<WorkspaceEdit> Rename(const FeatureContext& context, TextPoint point,
                                    const std::string& newName, std::string& reason);

// The legend of the semantic tokens, as initialize announces it.
Json SemanticTokensLegend();

// textDocument/semanticTokens/full: every highlighted piece of the document.
SemanticTokens SemanticTokensOf(const FeatureContext& context, std::string resultId);

// textDocument/semanticTokens/full/delta: the one edit that turns before into after.
SemanticTokensDelta DeltaOf(const std::vector<unsigned>& before, const SemanticTokens& after);

} // namespace vxcheck::lsp
