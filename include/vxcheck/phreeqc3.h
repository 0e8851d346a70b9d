// The input vocabulary of today's PHREEQC 3 (version 3.8.9): its keyword spellings, the options
// of each block and its BASIC tokens; and the PHREEQC 3 reading of a database, which lets the
// checker's reader collect the names of files written for PHREEQC 3.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/cstring.h>

#include <span>
#include <string>
#include <string_view>

class Cvx_Check;

namespace vxcheck {

// A keyword spelling and the block it opens, both in lower case.
struct Phreeqc3Keyword {
    std::string_view spelling;
    std::string_view block;
};

// A block and its options, without their "-", in PHREEQC's matching order: an abbreviated
// option selects the first entry that begins with it.
struct Phreeqc3Block {
    std::string_view name;
    std::span<const std::string_view> options;
};

// A token of PHREEQC 3's BASIC; operators are the tokens that do not begin with a letter.
struct Phreeqc3BasicWord {
    std::string_view token;
    bool isOperator;
};

// The 112 keyword spellings in PHREEQC's table order (80 distinct blocks).
VXCHECK_API std::span<const Phreeqc3Keyword> Phreeqc3Keywords();
// The 219 BASIC tokens in PHREEQC's table order.
VXCHECK_API std::span<const Phreeqc3BasicWord> Phreeqc3BasicWords();

// The block that a keyword spelling opens, letters compared without regard to case, or "".
VXCHECK_API std::string_view Phreeqc3BlockOf(std::string_view spelling);
// The options of a block (a block name as Phreeqc3BlockOf gives it), or an empty span when the
// block takes none or is no block.
VXCHECK_API std::span<const std::string_view> Phreeqc3OptionsOf(std::string_view block);

// The text that the checker's ReadDatabase reads in place of a PHREEQC 3 database: the blocks
// of the seven kinds it collects names from, one statement per line, comments dropped, blocks of
// every other keyword (PHREEQC 3's included) dropped, options written without their "-" given
// one, and stoichiometric coefficients before the names dropped. fileBytes is the whole file as
// stored (carriage returns and byte 26 included).
VXCHECK_API std::string Phreeqc3View(std::string_view fileBytes);

// Reads the database at path through its PHREEQC 3 view with checker.ReadDatabase, in memory.
// Returns true when the view was read; false when the file could not be read whole
// (ReadDatabaseFile), and the checker then ends its read as for a file it cannot open.
VXCHECK_API bool ReadDatabasePhreeqc3(Cvx_Check& checker, const CString& path);

} // namespace vxcheck
