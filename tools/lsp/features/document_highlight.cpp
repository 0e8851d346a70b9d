// textDocument/documentHighlight: what the cursor's name or number is called elsewhere in the
// document; a definition is shown as a write, a use as a read.
#include "lsp/features/navigation.h"

namespace vxcheck::lsp {

std::vector<DocumentHighlight> DocumentHighlights(const FeatureContext& context, TextPoint point) {
    const SymbolOccurrence* occurrence = OccurrenceAt(context, point);
    if (occurrence == nullptr) {
        return {};
    }
    std::vector<DocumentHighlight> highlights;
    for (const SymbolOccurrence* related : context.outline.Symbols().Related(*occurrence)) {
        highlights.push_back({RangeOf(context, *related), related->definition
                                                              ? DocumentHighlightKind::Write
                                                              : DocumentHighlightKind::Read});
    }
    return highlights;
}

} // namespace vxcheck::lsp
