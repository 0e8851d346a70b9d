// What the word under a point of a PHREEQC input is: a block's keyword, a number of its keyword
// line, the option an option line selects, a word of BASIC text, SOLUTION's "charge", or a word
// that may name something. For features that explain the word under the pointer.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/input/model.h>
#include <vxcheck/input/position.h>

#include <cstddef>
#include <string_view>

namespace vxcheck {

enum class WordRole {
    None,         // no word, a comment, or a word that tells nothing (a description, "-nonsense")
    Keyword,      // the keyword of a keyword line
    EntityNumber, // a number or range of a keyword line that numbers the block's entities
    Option,       // the first word of an option line; the statement's option is the one selected
    Basic,        // a word of BASIC text outside its strings: statement, function, variable
    Charge,       // "charge" after pH, pe or a concentration in SOLUTION or SOLUTION_SPREAD
    Name,         // any other word, or a BASIC string's text: it may name a phase, species ...
};

struct WordAtPoint {
    WordRole role = WordRole::None;
    // The word's input bytes [begin, end): a word between blanks, in BASIC text a token, in a
    // BASIC string its text without the quotes. begin == end when role is None.
    std::size_t begin = 0;
    std::size_t end = 0;
    InputPosition position; // where the point stands (PositionAt)
};

// The word whose bytes hold the character at offset of text, or end just before it; model was
// read from text (ReadInput(text)).
VXCHECK_API WordAtPoint WordAt(const InputModel& model, std::string_view text, std::size_t offset);

} // namespace vxcheck
