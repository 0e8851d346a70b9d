// The input's own definitions before a point, read block by block so that a long input costs one
// look at each block's name and a pass over the blocks that define something.
#include "basic/tokens.h"
#include "input/collect_names.h"
#include "input/field_lines.h"
#include "input/keywords.h"

#include <vxcheck/input/definitions.h>
#include <vxcheck/input/fields.h>
#include <vxcheck/input/position.h>
#include <vxcheck/input/vocabulary.h>

#include <algorithm>
#include <charconv>

namespace vxcheck {
namespace {

// Most reactant numbers a range gives: "1-100000" offers 1 to 1000, as far as a column of cells
// usually reaches.
constexpr long kRangeNumbers = 1000;

void AddOnce(std::vector<std::string>& list, std::string item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) {
        list.push_back(std::move(item));
    }
}

// The numbers of a number or range ("3", "1-4"); nothing for other words.
void AddNumbers(std::vector<std::string>& list, std::string_view word) {
    const std::size_t dash = word.find('-', 1);
    long first = 0;
    long last = 0;
    const std::string_view head = word.substr(0, dash);
    if (std::from_chars(head.data(), head.data() + head.size(), first).ptr !=
        head.data() + head.size()) {
        return;
    }
    last = first;
    if (dash != std::string_view::npos) {
        const std::string_view tail = word.substr(dash + 1);
        if (std::from_chars(tail.data(), tail.data() + tail.size(), last).ptr !=
                tail.data() + tail.size() ||
            last < first) {
            last = first;
        }
    }
    last = std::min(last, first + kRangeNumbers - 1);
    for (long number = first; number <= last; ++number) {
        AddOnce(list, std::to_string(number));
    }
}

// The numbers in the Number column of SOLUTION_SPREAD's rows before offset.
void AddSpreadNumbers(std::vector<std::string>& list, const InputModel& model,
                      const InputBlock& block, std::size_t offset) {
    std::size_t column = InputPosition::kNone;
    for (std::size_t index = block.keyword + 1;
         index < block.end && model.statements[index].offset < offset; ++index) {
        const InputStatement& row = model.statements[index];
        // A heading row may start with a heading that is also an option's name ("pH").
        if (row.kind != StatementKind::Data && !row.dashless) {
            continue;
        }
        if (column == InputPosition::kNone) { // the first data line holds the headings
            column = row.words.size();
            for (std::size_t word = 0; word < row.words.size(); ++word) {
                column = LowerWord(row.Word(word)) == "number" ? word : column;
            }
        } else if (column < row.words.size()) {
            AddNumbers(list, row.Word(column));
        }
    }
}

std::string_view BlockOfWord(std::string_view word) {
    const BlockVocabulary* block = FindBlockVocabulary(word);
    return block != nullptr ? block->name : std::string_view();
}

} // namespace

void CollectDefinitionsBefore(const InputModel& model, std::size_t offset, NameTable& names) {
    NameCollector collector(names, "");
    for (const InputBlock& block : model.blocks) {
        if (model.statements[block.keyword].offset >= offset) {
            break;
        }
        if (!DefinesNames(block.name)) {
            continue;
        }
        for (std::size_t index = block.keyword + 1;
             index < block.end && model.statements[index].offset < offset; ++index) {
            collector.Collect(model, model.statements[index]);
        }
    }
}

std::size_t NextDefinitionAt(const InputModel& model, std::size_t offset) {
    for (const InputBlock& block : model.blocks) {
        // A block is skipped by its last statement, so that a long input costs a look per block.
        if (!DefinesNames(block.name) || block.end <= block.keyword + 1 ||
            model.statements[block.end - 1].offset < offset) {
            continue;
        }
        for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
            if (model.statements[index].offset >= offset) {
                return model.statements[index].offset;
            }
        }
    }
    return std::string_view::npos;
}

NameTable InputNames(const InputModel& model) {
    NameTable names;
    CollectDefinitionsBefore(model, std::string_view::npos, names);
    return names;
}

std::vector<std::string> NumbersDefinedBefore(const InputModel& model, std::string_view entity,
                                              std::size_t offset) {
    std::vector<std::string> numbers;
    for (const InputBlock& block : model.blocks) {
        const InputStatement& keyword = model.statements[block.keyword];
        if (keyword.offset >= offset) {
            break;
        }
        if (block.name == entity) {
            // A keyword line without a number (or with a description only) defines number 1.
            const std::string_view first = keyword.words.size() > 1 ? keyword.Word(1) : "";
            AddNumbers(numbers, !first.empty() && first[0] >= '0' && first[0] <= '9' ? first : "1");
        } else if (block.name == "solution_spread" && entity == "solution") {
            AddSpreadNumbers(numbers, model, block, offset);
        } else if ((block.name == "save" || block.name == "copy") && keyword.words.size() > 2 &&
                   BlockOfWord(keyword.Word(1)) == entity) {
            AddNumbers(numbers, keyword.Word(block.name == "save" ? 2 : keyword.words.size() - 1));
        }
    }
    return numbers;
}

std::vector<std::string> CalculatedValuesBefore(const InputModel& model, std::size_t offset) {
    std::vector<std::string> names;
    for (const InputBlock& block : model.blocks) {
        if (model.statements[block.keyword].offset >= offset) {
            break;
        }
        if (block.name != "calculate_values") {
            continue;
        }
        bool program = false;
        for (std::size_t index = block.keyword + 1;
             index < block.end && model.statements[index].offset < offset; ++index) {
            const InputStatement& statement = model.statements[index];
            if (statement.kind == StatementKind::Option) {
                program = statement.option == "start" ? true
                          : statement.option == "end" ? false
                                                      : program;
            } else if (!program && statement.kind == StatementKind::Data) {
                AddOnce(names, std::string(statement.Word(0)));
            }
        }
    }
    return names;
}

ProgramNames ProgramNamesOf(const InputModel& model, int blockIndex) {
    ProgramNames names;
    if (blockIndex < 0 || static_cast<std::size_t>(blockIndex) >= model.blocks.size()) {
        return names;
    }
    const InputBlock& block = model.blocks[static_cast<std::size_t>(blockIndex)];
    basic::TokenizedLine line;
    for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
        const InputStatement& statement = model.statements[index];
        if (statement.kind != StatementKind::Data ||
            ClassifyFields(model, index)[0] != FieldKind::Basic) {
            continue;
        }
        basic::TokenizeLine(statement.text, line);
        if (line.numbered && std::find(names.lineNumbers.begin(), names.lineNumbers.end(),
                                       line.number) == names.lineNumbers.end()) {
            names.lineNumbers.push_back(line.number);
        }
        for (const basic::Token& token : line.tokens) {
            if (token.kind == basic::TokenKind::Name) {
                AddOnce(names.variables, std::string(token.Name()));
            }
        }
    }
    return names;
}

} // namespace vxcheck
