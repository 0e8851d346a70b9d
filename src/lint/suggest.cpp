// Edit distance between short words, with adjacent letters swapped counted as one edit, for
// "did you mean" suggestions.
#include "lint/suggest.h"

#include "input/keywords.h"

#include <vxcheck/phreeqc3.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vxcheck {
namespace {

// Words longer than this are not compared: no keyword, option or name of PHREEQC is as long.
constexpr std::size_t kLongestCompared = 64;

std::size_t EditDistance(std::string_view a, std::string_view b) {
    const std::size_t columns = b.size() + 1;
    std::vector<std::size_t> rows(3 * columns);
    std::size_t* before = rows.data();             // row i - 2
    std::size_t* previous = rows.data() + columns; // row i - 1
    std::size_t* current = rows.data() + 2 * columns;
    for (std::size_t j = 0; j < columns; ++j) {
        previous[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j < columns; ++j) {
            const std::size_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                current[j] = std::min(current[j], before[j - 2] + 1);
            }
        }
        std::rotate(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(columns), rows.end());
        before = rows.data();
        previous = rows.data() + columns;
        current = rows.data() + 2 * columns;
    }
    return previous[b.size()];
}

} // namespace

std::vector<std::string_view> NearestWords(std::string_view word,
                                           std::span<const std::string_view> candidates) {
    std::vector<std::string_view> nearest;
    if (word.size() > kLongestCompared) {
        return nearest;
    }
    const std::string lower = LowerWord(word);
    const std::size_t allowed = lower.size() <= 5 ? 1 : 2;
    std::size_t bestDistance = allowed + 1;
    for (std::string_view candidate : candidates) {
        const std::size_t lengthGap = candidate.size() > lower.size()
                                          ? candidate.size() - lower.size()
                                          : lower.size() - candidate.size();
        if (lengthGap > allowed) {
            continue;
        }
        const std::size_t distance = EditDistance(lower, LowerWord(candidate));
        if (distance > allowed) {
            continue;
        }
        if (distance < bestDistance) {
            nearest.clear();
            bestDistance = distance;
        }
        if (distance == bestDistance) {
            nearest.push_back(candidate);
        }
    }
    if (bestDistance == 0) {
        nearest.clear();
    }
    return nearest;
}

std::optional<std::string_view> ClosestWord(std::string_view word,
                                            std::span<const std::string_view> candidates) {
    const std::vector<std::string_view> nearest = NearestWords(word, candidates);
    if (nearest.size() != 1) {
        return std::nullopt;
    }
    return nearest.front();
}

std::optional<std::string_view> ClosestKeyword(std::string_view word) {
    static const std::vector<std::string_view> kSpellings = [] {
        std::vector<std::string_view> spellings;
        for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
            spellings.push_back(keyword.spelling);
        }
        return spellings;
    }();
    // Spellings of one block (EQUILIBRIUM_PHASE, EQUILIBRIUM_PHASES) are one suggestion.
    const std::vector<std::string_view> nearest = NearestWords(word, kSpellings);
    if (nearest.empty() || std::any_of(nearest.begin(), nearest.end(), [&](std::string_view other) {
            return KeywordBlock(other) != KeywordBlock(nearest.front());
        })) {
        return std::nullopt;
    }
    return nearest.front();
}

std::string UnknownKeywordMessage(std::string_view word, std::string_view keyword) {
    return "Unknown keyword " + std::string(word) + "; did you mean " + UpperWord(keyword) + "?";
}

std::string UpperWord(std::string_view word) {
    std::string upper(word);
    for (char& ch : upper) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return upper;
}

} // namespace vxcheck
