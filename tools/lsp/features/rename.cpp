// textDocument/prepareRename and textDocument/rename: only what the input itself defines may be
// renamed, since a database's name is the database's, and an entity number only where every
// place that names it writes it alone (never inside a range such as 1-5, never as a cell of
// DELETE, DUMP or COPY, which names every entity of its number).
#include "lsp/features/navigation.h"

#include <algorithm>

namespace vxcheck::lsp {
namespace {

std::string Described(const SymbolOccurrence& occurrence) {
    return occurrence.space == SymbolSpace::Entity ? "number " + std::string(occurrence.name)
                                                   : std::string(occurrence.name);
}

bool IsNameByte(char ch) {
    return ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n' && ch != ';' && ch != '#' &&
           ch != '"' && ch != '\'' && ch != '\\';
}

// Why newName cannot replace what target names, or "" when it can.
std::string Refusal(const SymbolOccurrence& target, const std::string& newName) {
    if (newName.empty() || !std::all_of(newName.begin(), newName.end(), IsNameByte)) {
        return "a new name must be one word, without ; # quotes or \\";
    }
    if (target.space == SymbolSpace::Entity &&
        (newName.size() > 9 || !std::all_of(newName.begin(), newName.end(),
                                            [](char ch) { return ch >= '0' && ch <= '9'; }))) {
        return "an entity number must be a whole number";
    }
    if (target.space != SymbolSpace::Entity && newName.front() == '-') {
        return "a name cannot start with '-', which starts an option";
    }
    return {};
}

} // namespace

RenameTarget FindRenameTarget(const FeatureContext& context, TextPoint point) {
    RenameTarget target;
    const SymbolOccurrence* occurrence = OccurrenceAt(context, point);
    if (occurrence == nullptr) {
        target.reason = "nothing to rename here: put the cursor on a name or number";
        return target;
    }
    if (occurrence->space == SymbolSpace::Entity && occurrence->entity == EntityKind::Cell) {
        target.reason = "a cell names every entity of its number; rename one of them instead";
        return target;
    }
    std::vector<const SymbolOccurrence*> related = context.outline.Symbols().Related(*occurrence);
    if (std::none_of(related.begin(), related.end(),
                     [](const SymbolOccurrence* found) { return found->definition; })) {
        target.reason = Described(*occurrence) + " is not defined by this input" +
                        (occurrence->space == SymbolSpace::Entity ? "" : " but by its database") +
                        "; only what the input defines can be renamed";
        return target;
    }
    for (const SymbolOccurrence* found : related) {
        if (found->space == SymbolSpace::Entity && found->entity == EntityKind::Cell) {
            continue;
        }
        if (found->first != found->last) {
            target.reason = Described(*occurrence) + " is part of the range " +
                            std::string(found->name) + " on line " +
                            std::to_string(context.document.PointAt(found->begin).line + 1);
            return target;
        }
        target.occurrences.push_back(found);
    }
    target.occurrence = occurrence;
    return target;
}

std::optional<WorkspaceEdit> Rename(const FeatureContext& context, TextPoint point,
                                    const std::string& newName, std::string& reason) {
    RenameTarget target = FindRenameTarget(context, point);
    if (target.occurrence == nullptr) {
        reason = target.reason;
        return std::nullopt;
    }
    reason = Refusal(*target.occurrence, newName);
    if (!reason.empty()) {
        return std::nullopt;
    }
    WorkspaceEdit edit;
    std::vector<TextEdit>& edits = edit.changes[context.document.Uri()];
    for (const SymbolOccurrence* found : target.occurrences) {
        edits.push_back({RangeOf(context, *found), newName});
    }
    return edit;
}

} // namespace vxcheck::lsp
