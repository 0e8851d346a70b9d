// What PHREEQC's keywords, options and BASIC words mean, in a line or two each: the texts an
// editor shows when the user points at a word or types the arguments of a BASIC function.
#pragma once

#include <vxcheck/export.h>

#include <span>
#include <string_view>
#include <vector>

namespace vxcheck {

// A block: what it is for, and the form of its lines.
struct KeywordHelp {
    std::string_view block;   // lower case, as Phreeqc3BlockOf gives it
    std::string_view summary; // what the block defines or does
    std::string_view form;    // the form of its keyword or data lines
};

// An option of a block: what it sets, with its arguments, units and default.
struct OptionHelp {
    std::string_view block;  // lower case
    std::string_view option; // the option as the block's table writes it, without "-"
    std::string_view text;
    std::string_view sameAs; // the option this one is another name of, or ""
};

// A BASIC word: how it is written, what it gives or does, and a line that uses it.
struct BasicHelp {
    std::string_view word;    // the token, lower case
    std::string_view form;    // such as SI("phase") or FOR i = first TO last [STEP increment]
    std::string_view text;    // what it returns or does
    std::string_view example; // a program line, or "" for words that PHREEQC programs cannot use
};

// Every text, sorted by block, by block and option, and by word.
VXCHECK_API std::span<const KeywordHelp> KeywordHelps();
VXCHECK_API std::span<const OptionHelp> OptionHelps();
VXCHECK_API std::span<const BasicHelp> BasicHelps();

// The text of a block, found by its name or any keyword spelling in any case, or null.
VXCHECK_API const KeywordHelp* FindKeywordHelp(std::string_view keyword);
// The text of an option of a block (names in any case; the option as its table writes it, with
// or without "-"), or null. Abbreviations are matched by the caller (MatchOption).
VXCHECK_API const OptionHelp* FindOptionHelp(std::string_view block, std::string_view option);
// The text of a BASIC word in any case, or null.
VXCHECK_API const BasicHelp* FindBasicHelp(std::string_view word);

// The parameters of a BASIC function as its form writes them between the parentheses, split at
// top-level commas ("phase" for SI("phase")); empty for a word without parentheses.
VXCHECK_API std::vector<std::string_view> BasicParameters(const BasicHelp& help);

} // namespace vxcheck
