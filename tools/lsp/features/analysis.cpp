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

// What the option statements of a block, up to a statement, leave in force.
struct BlockState {
    std::string option;
    bool inProgram = false; // between -start and -end
};

// The option that an option statement selects, as PHREEQC lists it; an unknown one as typed,
// lower case and without its dash. Empty for a statement that is no option line.
std::string OptionOf(const InputStatement& statement) {
    if (statement.kind != StatementKind::Option) {
        return {};
    }
    return statement.option.empty() ? Lower(statement.Word(0).substr(1))
                                    : std::string(statement.option);
}

// The state left by the statements after the block's keyword that begin before offset.
BlockState StateBefore(const InputModel& model, const BlockSpan& block, std::size_t offset) {
    BlockState state;
    for (std::size_t index = block.statement + 1;
         index < model.statements.size() && model.statements[index].offset < offset; ++index) {
        std::string option = OptionOf(model.statements[index]);
        if (!option.empty()) {
            state.inProgram = option == "start" ? true : option == "end" ? false : state.inProgram;
            state.option = std::move(option);
        }
    }
    return state;
}

// The BASIC word around byte, or an empty word at byte; statement is the statement's text on the
// line.
Word BasicWordAt(std::string_view text, const Word& statement, std::size_t byte) {
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
bool QuotedArgument(std::string_view text, const Word& statement, std::size_t byte,
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

Cursor Analyze(const Document& document, const Outline& outline, TextPoint point) {
    Cursor cursor;
    const InputModel& model = outline.Model();
    const std::string_view text = document.Line(point.line);
    const std::size_t offset = document.OffsetOf(point);
    const std::size_t lineStart = offset - point.byte;
    const std::size_t index = outline.StatementAt(offset);
    if (index == Outline::kNone && text.substr(0, point.byte).find('#') != std::string::npos) {
        return cursor; // in a comment
    }
    // The statement's text on this line; a point on no statement stands on an empty one.
    Word piece{point.byte, point.byte};
    std::size_t headOffset = offset;
    const InputStatement* statement = nullptr;
    cursor.word = {point.byte, point.byte};
    if (index != Outline::kNone) {
        statement = &model.statements[index];
        const Word inText = outline.PieceAt(index, offset);
        piece = {inText.begin - lineStart, std::min(inText.end - lineStart, text.size())};
        headOffset = statement->OffsetOf(statement->words.front().begin);
        for (const InputWord& word : statement->words) {
            const std::size_t begin = statement->OffsetOf(word.begin);
            if (begin <= offset && offset <= begin + (word.end - word.begin) &&
                begin >= lineStart) {
                cursor.word = {begin - lineStart,
                               std::min(begin + (word.end - word.begin) - lineStart, piece.end)};
            }
        }
    }
    cursor.block = outline.BlockAt(point.line, point.byte);
    // The word is the statement's first (or the point stands where the first word would go).
    const bool atHead = lineStart + cursor.word.begin <= headOffset;
    std::string_view word = text.substr(cursor.word.begin, cursor.word.end - cursor.word.begin);

    if (cursor.block == nullptr || (statement != nullptr && index == cursor.block->statement)) {
        cursor.place = atHead ? Place::Keyword : Place::Argument;
        return cursor;
    }
    const BlockInfo& block = *cursor.block->info;
    BlockState state =
        StateBefore(model, *cursor.block, statement != nullptr ? statement->offset : offset);
    std::string option = statement != nullptr ? OptionOf(*statement) : std::string();
    if (statement != nullptr && !option.empty()) {
        if (atHead) {
            cursor.place = !word.empty() && word[0] == '-' ? Place::Option : Place::Keyword;
            cursor.names = DataNames(block, state.option);
            cursor.selects = statement->option;
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
        if (QuotedArgument(text, piece, point.byte, cursor)) {
            cursor.place = Place::BasicString;
            cursor.names = Lookup(kBasicFunctions, cursor.function);
            return cursor;
        }
        cursor.place = atHead && !word.empty() && word[0] == '-' ? Place::Option : Place::Basic;
        if (cursor.place == Place::Basic) {
            cursor.word = BasicWordAt(text, piece, point.byte);
            cursor.place = atHead && lineStart + cursor.word.begin <= headOffset ? Place::Keyword
                                                                                 : Place::Basic;
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
