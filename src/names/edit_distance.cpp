// A row of the table that stays above the limit does not end the search at once: a swap reaches
// back two rows, so the search ends only when two rows in a row stay above it.
#include "names/edit_distance.h"

#include <algorithm>

namespace vxcheck {

std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit,
                         EditRows& rows) {
    const std::size_t width = b.size() + 1;
    std::vector<std::size_t>& before = rows.before;
    std::vector<std::size_t>& previous = rows.previous;
    std::vector<std::size_t>& current = rows.current;
    before.assign(width, 0);
    previous.resize(width);
    current.assign(width, 0);
    for (std::size_t j = 0; j < width; ++j) {
        previous[j] = j;
    }
    bool previousAbove = false; // the row before this one stayed above the limit
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        std::size_t rowBest = i;
        for (std::size_t j = 1; j < width; ++j) {
            const std::size_t replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                current[j] = std::min(current[j], before[j - 2] + 1);
            }
            rowBest = std::min(rowBest, current[j]);
        }
        if (rowBest > limit && previousAbove) {
            return limit + 1;
        }
        previousAbove = rowBest > limit;
        before.swap(previous);
        previous.swap(current);
    }
    return std::min(previous[b.size()], limit + 1);
}

} // namespace vxcheck
