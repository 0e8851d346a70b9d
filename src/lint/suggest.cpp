// "Did you mean" for keywords and options: the nearest of a short list of candidates.
#include "lint/suggest.h"

#include "input/keywords.h"
#include "names/edit_distance.h"

#include <vxcheck/phreeqc3.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vxcheck {
namespace {

// Words longer than this are not compared: no keyword, option or name of PHREEQC is as long.
constexpr std::size_t kLongestCompared = 64;

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
    EditRows rows;
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
        const std::size_t distance = EditDistance(lower, candidate, allowed, rows);
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

} // namespace vxcheck
