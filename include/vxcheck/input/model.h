// A PHREEQC input read as PHREEQC reads it: logical statements (PHREEQC's line rules), each a
// keyword, option or data statement, grouped into keyword blocks and simulations.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/input/diagnostic.h>

#include <cstddef>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck {

enum class StatementKind : unsigned char {
    Keyword, // its first word is a keyword spelling: it opens a block
    Option,  // "-name ..." or a whole option name written without its dash
    Data,    // anything else: the block's data, BASIC text, free text
    Include, // INCLUDE$ FILE: PHREEQC reads the file in its place
};

// Bytes [begin, end) of a statement's text.
struct InputWord {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Where a run of a statement's text stands in the input: text from position on is input from
// offset on, up to the next piece.
struct TextPiece {
    std::size_t position = 0;
    std::size_t offset = 0;
};

// A model holds one of these a line: its members are ordered to leave no padding between them.
struct VXCHECK_API InputStatement {
    StatementKind kind = StatementKind::Data;
    bool dashless = false; // an option written without its dash
    // Index of the block the statement belongs to; -1 outside any block (before the first
    // keyword, and after END, USE, SAVE, COPY and DATABASE, which read only their keyword line).
    int block = -1;
    // The logical line: comment, ";" and joining "\" removed, continuation lines joined. It
    // points into the input text, or into the model for a statement joined from several lines.
    std::string_view text;
    std::size_t offset = 0; // the input offset of text's first byte
    // For a joined statement, where each line's part stands (empty for one line); kept by the
    // model, as the words are.
    std::span<const TextPiece> pieces;
    std::span<const InputWord> words; // blank-delimited words of text, kept by the model
    // Option statements: the option it selects, as PHREEQC lists it (lower case, no dash), and
    // the reader whose table holds it ("solution", "exchange_raw", "component" of a _RAW
    // block); option is empty when no table of the block's readers has one.
    std::string_view option;
    std::string_view reader;

    std::string_view Word(std::size_t index) const {
        const InputWord& word = words[index];
        return text.substr(word.begin, word.end - word.begin);
    }
    // The input offset of a position of text (text.size() allowed).
    std::size_t OffsetOf(std::size_t position) const;
};

// A keyword block: its keyword statement and the statements up to the next keyword.
struct InputBlock {
    std::string_view name;   // the block, lower case, such as "equilibrium_phases"
    std::size_t keyword = 0; // index of the keyword statement
    std::size_t end = 0;     // one past the block's last statement
    int simulation = 0;      // 0-based; END closes a simulation
};

// The model of an input refers to the input's text: keep the text while the model is used. A
// model can be moved, not copied: its statements refer to the words and texts it keeps.
struct VXCHECK_API InputModel {
    InputModel() = default;
    InputModel(const InputModel&) = delete;
    InputModel& operator=(const InputModel&) = delete;
    InputModel(InputModel&&) noexcept = default;
    InputModel& operator=(InputModel&&) noexcept = default;
    ~InputModel() = default;

    std::vector<InputStatement> statements;
    std::vector<InputWord> words;   // the words of every statement, in order
    std::vector<TextPiece> pieces;  // the pieces of every joined statement, in order
    std::deque<std::string> joined; // the texts of statements joined from several lines
    std::vector<InputBlock> blocks;
    std::vector<std::size_t> lineStarts; // offset of each line's first byte

    // The line and column of an input offset.
    TextPlace PlaceOf(std::size_t offset) const;
};

// Reads any bytes as a PHREEQC input.
VXCHECK_API InputModel ReadInput(std::string_view text);

// The DATABASE line as PHREEQC looks for it before it reads an input: the first statement,
// when its first word is DATABASE. name is the rest of the statement, trimmed (empty when
// missing), at input bytes [begin, end) (begin == end after the keyword when it is empty).
struct DatabaseLine {
    std::string name;
    std::size_t begin = 0;
    std::size_t end = 0;
};
VXCHECK_API std::optional<DatabaseLine> FindDatabaseLine(std::string_view text);

// The option that an option word (without its dash, any case) selects in a table, as PHREEQC
// matches it: the first entry that begins with it, or "" when none does.
VXCHECK_API std::string_view MatchOption(std::span<const std::string_view> options,
                                         std::string_view typed);

} // namespace vxcheck
