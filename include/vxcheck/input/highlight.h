// What each piece of an input is, for an editor to colour: keywords, options, names by kind,
// numbers, comments and the tokens of BASIC programs.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/input/model.h>
#include <vxcheck/input/symbols.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace vxcheck {

enum class HighlightKind {
    Keyword,      // SOLUTION, END
    Option,       // -units, a dashless option word
    EntityNumber, // the 1 of SOLUTION 1, USE solution 1
    Description,  // free text after a keyword's number
    Element,      // an element, valence state, exchange or surface master ("Ca", "X")
    Species,      // a species ("Ca+2")
    Phase,        // a phase or gas ("Calcite")
    Rate,         // a rate of RATES and KINETICS
    Number,       // any other number
    Units,        // "mmol/kgw"
    FileName,     // a file of INCLUDE$, -file
    Comment,      // "#" to the line end, and BASIC's REM
    BasicKeyword, // PRINT, IF, THEN, AND
    BasicFunction,
    BasicString,
    BasicNumber,
    BasicVariable,
    BasicLineNumber,
    BasicOperator, // + - * / ^ = < >
};
inline constexpr std::size_t kHighlightKinds = 19;

struct HighlightSpan {
    std::size_t begin = 0; // input bytes [begin, end), never across a line end
    std::size_t end = 0;
    HighlightKind kind = HighlightKind::Keyword;
    bool definition = false; // a name or number that the input defines here
};

// The spans of an input, in input order and not overlapping; bytes that are none of these
// (blanks, reaction signs, plain text) have none. text is the text that model was read from and
// index the model's symbols. Time linear in the input's size.
VXCHECK_API std::vector<HighlightSpan>
HighlightInput(std::string_view text, const InputModel& model, const SymbolIndex& index);

} // namespace vxcheck
