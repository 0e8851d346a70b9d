// The word under a point: PositionAt finds the statement and its word, the statement's kind and
// fields tell the word's role, and in BASIC text the interpreter's tokens bound the word.
#include "input/keywords.h"

#include <vxcheck/input/basic_position.h>
#include <vxcheck/input/fields.h>
#include <vxcheck/input/word_at.h>

#include <algorithm>

namespace vxcheck {
namespace {

bool IsSolutionBlock(std::string_view block) {
    return block == "solution" || block == "solution_spread";
}

// The BASIC token under the character at column, else the one that ends at column: a pointer
// stands on a character, and the end of a word just before a parenthesis or blank still means it.
BasicPosition BasicWordAt(std::string_view text, std::size_t column) {
    if (column < text.size()) {
        const BasicPosition after = BasicPositionAt(text, column + 1);
        if (after.begin < after.end && after.begin <= column) {
            return after;
        }
    }
    return BasicPositionAt(text, column);
}

// The role of the word on a line of BASIC text.
void ReadBasic(const InputStatement& statement, WordAtPoint& word) {
    const BasicPosition basic = BasicWordAt(statement.text, word.position.column);
    if (basic.begin >= basic.end || basic.slot == BasicSlot::Remark) {
        word.begin = word.end = 0;
        return;
    }
    word.role = basic.slot == BasicSlot::String ? WordRole::Name : WordRole::Basic;
    word.begin = statement.OffsetOf(basic.begin);
    word.end = statement.OffsetOf(basic.end - 1) + 1;
}

WordRole RoleOf(const InputModel& model, const InputStatement& statement,
                const InputPosition& position, std::string_view written) {
    if (statement.kind == StatementKind::Keyword) {
        if (position.word == 0) {
            return WordRole::Keyword;
        }
        return ClassifyFields(model, position.statement)[position.word] == FieldKind::EntityNumber
                   ? WordRole::EntityNumber
                   : WordRole::None;
    }
    if (statement.kind == StatementKind::Option && position.word == 0) {
        return statement.option.empty() ? WordRole::None : WordRole::Option;
    }
    if (position.word > 0 && IsSolutionBlock(position.blockName) &&
        LowerWord(written) == "charge") {
        return WordRole::Charge;
    }
    return WordRole::Name;
}

} // namespace

WordAtPoint WordAt(const InputModel& model, std::string_view text, std::size_t offset) {
    WordAtPoint word;
    word.position = PositionAt(model, text, offset);
    const InputPosition& position = word.position;
    if (position.comment || position.statement == InputPosition::kNone) {
        return word;
    }
    const InputStatement& statement = model.statements[position.statement];
    const std::vector<FieldKind> fields = statement.kind == StatementKind::Data
                                              ? ClassifyFields(model, position.statement)
                                              : std::vector<FieldKind>();
    if (!fields.empty() && fields.front() == FieldKind::Basic) {
        ReadBasic(statement, word);
        return word;
    }
    if (position.begin == position.end) {
        return word;
    }
    word.begin = position.begin;
    word.end = position.end;
    word.role = RoleOf(model, statement, position, text.substr(word.begin, word.end - word.begin));
    if (word.role == WordRole::None) {
        word.begin = word.end = 0;
    }
    return word;
}

} // namespace vxcheck
