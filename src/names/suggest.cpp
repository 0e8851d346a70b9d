// NameTable::Suggest: the one name of a kind nearest to a misspelt one. Letters are compared
// without regard to case; an adjacent swap counts as one edit. A name is suggested only when it
// is within a few edits (one for names of up to 4 letters, then one more per 4 letters, at most
// 3) and no other name is as near.
#include <vxcheck/input/names.h>

#include "names/name_table_impl.h"

#include <algorithm>

namespace vxcheck {

namespace {

std::size_t AllowedEdits(std::size_t length) {
    return std::clamp<std::size_t>(length / 4, 1, 3);
}

// Edits (insert, delete, replace, swap of neighbours) from a to b, or limit + 1 when more. The
// three rows are the caller's, so that comparing with many names allocates once.
struct Rows {
    std::vector<std::size_t> before, previous, current;
};

std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit, Rows& rows) {
    const std::size_t width = b.size() + 1;
    rows.before.assign(width, 0);
    rows.previous.resize(width);
    rows.current.assign(width, 0);
    std::vector<std::size_t>& before = rows.before;
    std::vector<std::size_t>& previous = rows.previous;
    std::vector<std::size_t>& current = rows.current;
    for (std::size_t j = 0; j < width; ++j) {
        previous[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        std::size_t row_best = i;
        for (std::size_t j = 1; j < width; ++j) {
            const std::size_t replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                current[j] = std::min(current[j], before[j - 2] + 1);
            }
            row_best = std::min(row_best, current[j]);
        }
        if (row_best > limit) {
            return limit + 1;
        }
        before.swap(previous);
        previous.swap(current);
    }
    return std::min(previous[b.size()], limit + 1);
}

} // namespace

std::optional<std::string> NameTable::Suggest(NameKind kind, std::string_view name) const {
    if (name.empty()) {
        return std::nullopt;
    }
    const std::string wanted = names::Folded(name);
    const std::size_t limit = AllowedEdits(wanted.size());
    std::size_t best = limit + 1;
    const NameEntry* nearest = nullptr;
    bool tied = false;
    Rows rows;
    std::string folded;
    for (const NameEntry* entry : All(kind)) {
        const std::size_t length = entry->name.size();
        if ((length > wanted.size() ? length - wanted.size() : wanted.size() - length) > best) {
            continue;
        }
        names::FoldInto(entry->name, folded);
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

} // namespace vxcheck
