// Suggestions for misspelt words: the closest of a list of candidates, when one is clearly meant.
#pragma once

#include "common/ascii_case.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck {

// The candidates (in lower case) nearest to word (in any case), at most one edit
// away for words of up to five letters and two for longer ones; none when word is one of them.
std::vector<std::string_view> NearestWords(std::string_view word,
                                           std::span<const std::string_view> candidates);

// The candidate closest to word (letters compared without regard to case) when it differs by
// at most one edit for words of up to five letters and two for longer ones, and no other
// candidate is as close; else nullopt.
std::optional<std::string_view> ClosestWord(std::string_view word,
                                            std::span<const std::string_view> candidates);

// The keyword spelling closest to word, as ClosestWord chooses it; spellings of one block
// count as one. A word of fewer than three letters, or with a byte other than a letter or "_",
// is close to none.
std::optional<std::string_view> ClosestKeyword(std::string_view word);

// "Unknown keyword SOLXUTION; did you mean SOLUTION?"
std::string UnknownKeywordMessage(std::string_view word, std::string_view keyword);

} // namespace vxcheck
