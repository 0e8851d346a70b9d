// Cursor analysis. The block comes from the outline; the statement kind from its first word;
// the option in force from the option lines between the block's keyword and the point.
#include "lsp/features/analysis.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace vxcheck::lsp {
namespace {

struct NamedList {
    std::string_view key;
    NameList list;
};

// The names of a block's data lines.
constexpr NamedList kBlockNames[] = {
    {"equilibrium_phases", NameList::Phases},
    {"exchange", NameList::ExchangeMasterSpecies},
    {"gas_phase", NameList::Gases},
    {"solution", NameList::CompositionNames},
    {"solution_spread", NameList::CompositionNames},
    {"surface", NameList::SurfaceMasterSpecies},
};

// The names that follow an option of SELECTED_OUTPUT, on its line and the data lines after it;
// PHREEQC's synonyms of an option take the same names.
constexpr NamedList kSelectedOutputNames[] = {
    {"activities", NameList::AqueousSpecies},
    {"equilibria", NameList::Phases},
    {"equilibrium", NameList::Phases},
    {"equilibrium_phase", NameList::Phases},
    {"equilibrium_phases", NameList::Phases},
    {"gases", NameList::Gases},
    {"mol", NameList::AqueousSpecies},
    {"molalities", NameList::AqueousSpecies},
    {"pure", NameList::Phases},
    {"pure_phases", NameList::Phases},
    {"saturation_indices", NameList::Phases},
    {"si", NameList::Phases},
    {"totals", NameList::MasterSpecies},
};

// BASIC functions whose quoted argument is a name.
constexpr NamedList kBasicFunctions[] = {
    {"act", NameList::AqueousSpecies},
    {"equi", NameList::Phases},
    {"gamma", NameList::AqueousSpecies},
    {"la", NameList::AqueousSpecies},
    {"lm", NameList::AqueousSpecies},
    {"mol", NameList::AqueousSpecies},
    {"si", NameList::Phases},
    {"sr", NameList::Phases},
    {"tot", NameList::MasterSpecies},
};

constexpr std::string_view kBasicBlocks[] = {"calculate_values", "rates", "user_graph",
                                             "user_print", "user_punch"};
// Blocks whose BASIC text stands only between -start and -end; elsewhere are names.
constexpr std::string_view kProgramBlocks[] = {"calculate_values", "rates"};

template <std::size_t N> NameList Lookup(const NamedList (&table)[N], std::string_view key) {
    for (const NamedList& row : table) {
        if (row.key == key) {
            return row.list;
        }
    }
    return NameList::None;
}

template <std::size_t N> bool Contains(const std::string_view (&table)[N], std::string_view key) {
    return std::find(std::begin(table), std::end(table), key) != std::end(table);
}

bool IsBasicChar(char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) != 0 || ch == '_' || ch == '$';
}

std::vector<Statement> StatementsOf(const Document& document, const Outline& outline, int line) {
    std::vector<Statement> statements;
    SplitStatements(document.Line(line), line, outline.StartsContinued(line), statements);
    return statements;
}

// The first piece of the statement that piece belongs to.
Statement HeadOf(const Document& document, const Outline& outline, Statement piece) {
    while (piece.continued && piece.line > 0) {
        piece = StatementsOf(document, outline, piece.line - 1).back();
    }
    return piece;
}

// What the option lines of a block, up to a statement, leave in force.
struct BlockState {
    std::string option;
    bool inProgram = false; // between -start and -end
};

// The option that a statement's first word names, or empty when the statement is no option line.
std::string OptionOf(const Vocabulary& vocabulary, const BlockInfo& block, std::string_view head) {
    if (IsOptionWord(head)) {
        std::string_view match = vocabulary.MatchOption(block, head.substr(1));
        return match.empty() ? Lower(head.substr(1)) : std::string(match);
    }
    return std::string(vocabulary.FindOptionExact(block, head));
}

BlockState StateBefore(const Document& document, const Outline& outline,
                       const Vocabulary& vocabulary, const BlockSpan& block,
                       const Statement& stop) {
    BlockState state;
    for (int line = block.line; line <= stop.line; ++line) {
        std::string_view text = document.Line(line);
        for (const Statement& statement : StatementsOf(document, outline, line)) {
            if (line == stop.line && statement.begin >= stop.begin) {
                return state;
            }
            if (statement.continued ||
                (line == block.line && statement.begin <= block.keyword.begin)) {
                continue;
            }
            Word head = FirstWord(text, statement.begin, statement.end);
            std::string option =
                OptionOf(vocabulary, *block.info, text.substr(head.begin, head.end - head.begin));
            if (!option.empty()) {
                state.option = option;
                state.inProgram = option == "start" ? true
                                  : option == "end" ? false
                                                    : state.inProgram;
            }
        }
    }
    return state;
}

// The BASIC word around byte, or an empty word at byte.
Word BasicWordAt(std::string_view text, const Statement& statement, std::size_t byte) {
    std::size_t begin = byte;
    while (begin > statement.begin && IsBasicChar(text[begin - 1])) {
        --begin;
    }
    std::size_t end = byte;
    while (end < statement.end && IsBasicChar(text[end])) {
        ++end;
    }
    return {begin, end};
}

// Inside a quoted string of BASIC text: the string's text as the word and the function that
// takes it ("" when the string is no function's argument). False outside strings.
bool QuotedArgument(std::string_view text, const Statement& statement, std::size_t byte,
                    Cursor& cursor) {
    std::size_t open = std::string_view::npos;
    for (std::size_t at = statement.begin; at < byte; ++at) {
        if (text[at] == '"') {
            open = open == std::string_view::npos ? at : std::string_view::npos;
        }
    }
    if (open == std::string_view::npos) {
        return false;
    }
    std::size_t close = text.substr(0, statement.end).find('"', byte);
    cursor.word = {open + 1, close == std::string_view::npos ? statement.end : close};
    std::size_t at = open;
    while (at > statement.begin && (text[at - 1] == ' ' || text[at - 1] == '\t')) {
        --at;
    }
    if (at > statement.begin && text[at - 1] == '(') {
        --at;
        while (at > statement.begin && (text[at - 1] == ' ' || text[at - 1] == '\t')) {
            --at;
        }
        std::size_t end = at;
        while (at > statement.begin && IsBasicChar(text[at - 1])) {
            --at;
        }
        cursor.function = Lower(text.substr(at, end - at));
    }
    return true;
}

NameList DataNames(const BlockInfo& block, const std::string& option) {
    if (block.name == "selected_output") {
        return Lookup(kSelectedOutputNames, option);
    }
    return Lookup(kBlockNames, block.name);
}

} // namespace

bool IsBasicBlock(const BlockInfo& block) {
    return Contains(kBasicBlocks, block.name);
}

Cursor Analyze(const Document& document, const Outline& outline, const Vocabulary& vocabulary,
               TextPoint point) {
    Cursor cursor;
    std::string_view text = document.Line(point.line);
    std::vector<Statement> statements = StatementsOf(document, outline, point.line);
    auto found = std::find_if(statements.begin(), statements.end(), [&](const Statement& s) {
        return s.begin <= point.byte && point.byte <= s.end;
    });
    if (found == statements.end()) {
        return cursor; // in a comment
    }
    const Statement statement = *found;
    cursor.block = outline.BlockAt(point.line, point.byte);
    cursor.word = {point.byte, point.byte};
    for (const Word& word : SplitWords(text, statement.begin, statement.end)) {
        if (word.begin <= point.byte && point.byte <= word.end) {
            cursor.word = word;
        }
    }
    Statement headPiece = HeadOf(document, outline, statement);
    std::string_view headText = document.Line(headPiece.line);
    Word head = FirstWord(headText, headPiece.begin, headPiece.end);
    // The word is the statement's first (or the point stands where the first word would go).
    bool atHead =
        !statement.continued && (head.begin == head.end || cursor.word.begin <= head.begin);
    std::string_view word = text.substr(cursor.word.begin, cursor.word.end - cursor.word.begin);

    if (cursor.block == nullptr) {
        cursor.place = atHead ? Place::Keyword : Place::Argument;
        return cursor;
    }
    const BlockInfo& block = *cursor.block->info;
    if (headPiece.line == cursor.block->line && head.begin == cursor.block->keyword.begin) {
        cursor.place = atHead ? Place::Keyword : Place::Argument;
        return cursor;
    }
    BlockState state = StateBefore(document, outline, vocabulary, *cursor.block, headPiece);
    std::string option =
        OptionOf(vocabulary, block, headText.substr(head.begin, head.end - head.begin));
    if (!option.empty()) {
        if (atHead) {
            cursor.place = !word.empty() && word[0] == '-' ? Place::Option : Place::Keyword;
            cursor.names = DataNames(block, state.option);
        } else {
            cursor.place = Place::Data;
            cursor.option = option;
            cursor.names =
                block.name == "selected_output" ? DataNames(block, option) : NameList::None;
        }
        return cursor;
    }
    cursor.option = state.option;
    cursor.basic =
        IsBasicBlock(block) && (!Contains(kProgramBlocks, block.name) || state.inProgram);
    if (cursor.basic) {
        if (QuotedArgument(text, statement, point.byte, cursor)) {
            cursor.place = Place::BasicString;
            cursor.names = Lookup(kBasicFunctions, cursor.function);
            return cursor;
        }
        cursor.place = atHead && !word.empty() && word[0] == '-' ? Place::Option : Place::Basic;
        if (cursor.place == Place::Basic) {
            cursor.word = BasicWordAt(text, statement, point.byte);
            cursor.place =
                atHead && cursor.word.begin <= head.begin ? Place::Keyword : Place::Basic;
        }
        return cursor;
    }
    if (atHead) {
        cursor.place = !word.empty() && word[0] == '-' ? Place::Option : Place::Keyword;
    } else {
        cursor.place = Place::Data;
    }
    cursor.names = DataNames(block, state.option);
    return cursor;
}

} // namespace vxcheck::lsp
