// Where a point of a document stands: in which block, on which kind of statement, in which word,
// and which names fit there. Completion, hover and diagnostics all start from here.
#pragma once

#include "lsp/databases.h"
#include "lsp/documents.h"
#include "lsp/outline.h"
#include "lsp/vocabulary.h"

#include <string>
#include <string_view>

namespace vxcheck::lsp {

enum class Place {
    Comment,     // in a comment: nothing is offered
    Keyword,     // the first word of a statement, where a keyword may stand
    Argument,    // after the keyword of a keyword statement (number, description, file name)
    Option,      // a word that starts with "-" at the start of a statement
    Data,        // a later word of a data or option line
    Basic,       // BASIC text outside a string
    BasicString, // inside a quoted string of BASIC text
};

struct Cursor {
    Place place = Place::Comment;
    const BlockSpan* block = nullptr; // null before the first keyword
    Word word;                        // the word at the point, whole
    std::string option;               // the option in force: of this line or the last before it
    std::string selects;  // at the head of an option line, the option PHREEQC selects, or empty
    std::string function; // for BasicString: the BASIC function, lower case
    NameList names = NameList::None; // names that fit the word
    bool basic = false;              // the statement is BASIC text
};

// Analyzes the point (line, byte) of a document whose outline is outline; the outline's input
// model tells which statement, block and option the point stands in.
Cursor Analyze(const Document& document, const Outline& outline, TextPoint point);

// Whether a block holds BASIC text.
bool IsBasicBlock(const BlockInfo& block);

} // namespace vxcheck::lsp
