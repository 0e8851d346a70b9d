// textDocument/references: the occurrences of a name or entity number in the document; the
// database's own uses are not the user's to look through.
#include "lsp/features/navigation.h"

namespace vxcheck::lsp {

std::vector<Location> References(const FeatureContext& context, TextPoint point,
                                 bool includeDeclaration) {
    const SymbolOccurrence* occurrence = OccurrenceAt(context, point);
    if (occurrence == nullptr) {
        return {};
    }
    std::vector<Location> locations;
    for (const SymbolOccurrence* related : context.outline.Symbols().Related(*occurrence)) {
        if (includeDeclaration || !related->definition) {
            locations.push_back({context.document.Uri(), RangeOf(context, *related)});
        }
    }
    return locations;
}

} // namespace vxcheck::lsp
