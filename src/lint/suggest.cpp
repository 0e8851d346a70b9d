// Edit distance between short words, with adjacent letters swapped counted as one edit, for
// "did you mean" suggestions.
#include "lint/suggest.h"

#include "input/keywords.h"

#include <vxcheck/phreeqc3.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace vxcheck {
namespace {

// Words longer than this are not compared: no keyword, option or name of PHREEQC is as long.
constexpr std::size_t kLongestCompared = 64;

// The edit distance of a and b, or limit + 1 once it is sure to exceed limit.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit) {
    // Three rows of the table (i - 2, i - 1, i), each of up to kLongestCompared + 1 cells.
    std::array<std::array<std::size_t, kLongestCompared + 1>, 3> rows{};
    for (std::size_t j = 0; j <= b.size(); ++j) {
        rows[1][j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::array<std::size_t, kLongestCompared + 1>& current = rows[(i + 1) % 3];
        const std::array<std::size_t, kLongestCompared + 1>& previous = rows[i % 3];
        const std::array<std::size_t, kLongestCompared + 1>& before = rows[(i + 2) % 3];
        current[0] = i;
        std::size_t rowBest = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                current[j] = std::min(current[j], before[j - 2] + 1);
            }
            rowBest = std::min(rowBest, current[j]);
        }
        // Two rows above the limit: no later cell can come back under it, swaps included.
        if (rowBest > limit &&
            (i < 2 || *std::min_element(previous.begin(),
                                        previous.begin() + static_cast<std::ptrdiff_t>(b.size()) +
                                            1) > limit)) {
            return limit + 1;
        }
    }
    return rows[(a.size() + 1) % 3][b.size()];
}

} // namespace

std::vector<std::string_view> NearestWords(std::string_view word,
                                           std::span<const std::string_view> candidates) {
    std::vector<std::string_view> nearest;
    if (word.empty() || word.size() > kLongestCompared) {
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
        if (candidate.size() > kLongestCompared) {
            continue;
        }
        const std::size_t distance = EditDistance(lower, candidate, allowed);
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
    // Keywords are letters and "_"; a word with anything else is taken for no keyword.
    if (word.size() < 3 || !std::all_of(word.begin(), word.end(), [](char ch) {
            return ch == '_' || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
        })) {
        return std::nullopt;
    }
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
