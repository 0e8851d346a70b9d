// PHREEQC's logical lines, for documents and database files alike: a statement ends at a line
// end or a ";", a "#" starts a comment that runs to the line end, and a "\" followed only by
// blanks joins the next line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck::lsp {

// The piece of one statement that stands on one line: bytes [begin, end) of the line, without
// the ";", the comment or the joining "\".
struct Statement {
    int line = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool continued = false; // goes on from the statement of the line before
    bool continues = false; // goes on in the next line
};

// A word: bytes [begin, end) of a line, delimited by blanks and tabs.
struct Word {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Appends the statements of line text (line number line) to out; continued tells whether the
// line goes on with the statement of the line before. Returns whether its last statement
// continues in the next line.
bool SplitStatements(std::string_view text, int line, bool continued, std::vector<Statement>& out);

// The words of text[begin, end), in order.
std::vector<Word> SplitWords(std::string_view text, std::size_t begin, std::size_t end);

// The first word of text[begin, end), or an empty word at end when there is none.
Word FirstWord(std::string_view text, std::size_t begin, std::size_t end);

// text[begin, end) without its leading and trailing blanks, every run of blanks and tabs inside
// it made one blank.
std::string CollapseBlanks(std::string_view text, std::size_t begin, std::size_t end);

// True when word is an option word as PHREEQC sees one: longer than one byte, a "-" first and
// a letter second ("-1.5" is a number).
bool IsOptionWord(std::string_view word);

// Lines of a text without their line ends ("\n", "\r\n" or "\r").
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace vxcheck::lsp
