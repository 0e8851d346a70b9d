// textDocument/definition. The input's own definitions come first, as PHREEQC lets an input
// redefine what its database defines; otherwise the database's definition, in its file, found
// on the line where the database's reader took it.
#include "lsp/features/navigation.h"
#include "lsp/file_uri.h"
#include "lsp/text.h"

#include <fstream>

namespace vxcheck::lsp {
namespace {

// The kinds of the database's names that a name of a space may be, most likely first.
std::vector<NameKind> KindsOf(SymbolSpace space) {
    switch (space) {
    case SymbolSpace::Element:
        return {NameKind::Element, NameKind::ValenceState, NameKind::ExchangeMaster,
                NameKind::SurfaceMaster};
    case SymbolSpace::Species:
        return {NameKind::AqueousSpecies, NameKind::ExchangeSpecies, NameKind::SurfaceSpecies,
                NameKind::MasterSpecies};
    case SymbolSpace::Phase:
        return {NameKind::Phase};
    case SymbolSpace::Rate:
        return {NameKind::Rate};
    default:
        return {};
    }
}

// Where a database name stands: its line, and on it the name's first spelling (letter case
// ignored), or the whole line when the name is not written there.
std::optional<Location> DatabaseLocation(const NameEntry& entry, PositionEncoding encoding) {
    std::ifstream in(entry.origin.file, std::ios::binary);
    std::string line;
    for (int at = 0; at <= entry.origin.line; ++at) {
        if (!std::getline(in, line)) {
            return std::nullopt;
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    std::size_t begin = Lower(line).find(Lower(entry.name));
    std::size_t end = begin + entry.name.size();
    if (begin == std::string::npos) {
        begin = 0;
        end = line.size();
    }
    const Position start{entry.origin.line, static_cast<int>(Character(line, begin, encoding))};
    const Position stop{entry.origin.line, static_cast<int>(Character(line, end, encoding))};
    return Location{FileUri(entry.origin.file), {start, stop}};
}

} // namespace

std::vector<Location> Definition(const FeatureContext& context, TextPoint point) {
    const SymbolOccurrence* occurrence = OccurrenceAt(context, point);
    if (occurrence == nullptr) {
        return {};
    }
    std::vector<Location> locations;
    for (const SymbolOccurrence* related : context.outline.Symbols().Related(*occurrence)) {
        if (related->definition) {
            locations.push_back({context.document.Uri(), RangeOf(context, *related)});
        }
    }
    if (!locations.empty() || context.database == nullptr) {
        return locations;
    }
    for (NameKind kind : KindsOf(occurrence->space)) {
        const NameEntry* entry = context.database->table.Find(kind, occurrence->name);
        if (entry == nullptr || entry->origin.file.empty()) {
            continue;
        }
        if (std::optional<Location> location = DatabaseLocation(*entry, context.encoding)) {
            locations.push_back(std::move(*location));
            break;
        }
    }
    return locations;
}

} // namespace vxcheck::lsp
