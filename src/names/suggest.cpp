// NameTable::Suggest: the one name of a kind nearest to a misspelt one. Letters are compared
// without regard to case; an adjacent swap counts as one edit. A name is suggested only when it
// is within a few edits (one for names of up to 4 letters, then one more per 4 letters, at most
// 3) and no other name is as near. The answer does not depend on the order of the candidates.
#include <vxcheck/input/names.h>

#include "names/edit_distance.h"
#include "names/name_index.h"
#include "names/suggest.h"

#include <algorithm>

namespace vxcheck {

namespace {

std::size_t AllowedEdits(std::size_t length) {
    return std::clamp<std::size_t>(length / 4, 1, 3);
}

} // namespace

namespace names {

std::optional<std::string> Nearest(std::span<const NameEntry* const> entries,
                                   std::string_view name) {
    if (name.empty()) {
        return std::nullopt;
    }
    const std::string wanted = Folded(name);
    const std::size_t limit = AllowedEdits(wanted.size());
    std::size_t best = limit + 1;
    const NameEntry* nearest = nullptr;
    bool tied = false;
    EditRows rows;
    std::string folded;
    for (const NameEntry* entry : entries) {
        const std::size_t length = entry->name.size();
        if ((length > wanted.size() ? length - wanted.size() : wanted.size() - length) > best) {
            continue;
        }
        FoldInto(entry->name, folded);
        const std::size_t distance = EditDistance(wanted, folded, best, rows);
        if (distance < best) {
            best = distance;
            nearest = entry;
            tied = false;
        } else if (distance == best && nearest != nullptr && nearest->name != entry->name) {
            tied = true;
        }
    }
    if (nearest == nullptr || tied || nearest->name == name) {
        return std::nullopt;
    }
    return nearest->name;
}

} // namespace names

std::optional<std::string> NameTable::Suggest(NameKind kind, std::string_view name) const {
    return names::Nearest(All(kind), name);
}

} // namespace vxcheck
