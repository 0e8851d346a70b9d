// What stands at a point: the document's symbol index, which the outline keeps per revision.
#include "lsp/features/navigation.h"

namespace vxcheck::lsp {

const SymbolOccurrence* OccurrenceAt(const FeatureContext& context, TextPoint point) {
    return context.outline.Symbols().At(context.document.OffsetOf(point));
}

Range RangeOf(const FeatureContext& context, const SymbolOccurrence& occurrence) {
    const Document& document = context.document;
    return document.ToRange(document.PointAt(occurrence.begin), document.PointAt(occurrence.end),
                            context.encoding);
}

} // namespace vxcheck::lsp
