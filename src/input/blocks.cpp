// Reading an input into blocks: which statement is a keyword, an option or data, and which
// reader of its block takes each option, as PHREEQC's readers decide it.
#include "input/component_options.h"
#include "input/keywords.h"
#include "input/statements.h"

#include <vxcheck/input/model.h>
#include <vxcheck/phreeqc3.h>

#include <algorithm>

namespace vxcheck {
namespace {

// One reader of the block being read: the block's own, or a component reader it opened.
struct ReaderLevel {
    std::string_view name;
    std::span<const std::string_view> options;
    bool readsToBlockEnd = false;
};

// The name of a block's top reader: MODIFY blocks are read by their RAW block's reader.
std::string_view TopReaderName(std::string_view block) {
    constexpr std::string_view kModify = "_modify";
    if (block.ends_with(kModify)) {
        std::string_view family = block.substr(0, block.size() - kModify.size());
        for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
            if (keyword.block.size() == family.size() + 4 && keyword.block.starts_with(family) &&
                keyword.block.ends_with("_raw")) {
                return keyword.block;
            }
        }
    }
    return block;
}

bool IsIncludeWord(std::string_view lower) {
    return lower.starts_with("include$") || lower.starts_with("include_file");
}

// The exact table entry that word (lower case) is, or "".
std::string_view FindExact(std::span<const std::string_view> options, std::string_view word) {
    auto found = std::find(options.begin(), options.end(), word);
    return found == options.end() ? std::string_view() : *found;
}

class BlockReader {
  public:
    explicit BlockReader(InputModel& model) : m_model(model) {}

    void Read() {
        for (std::size_t index = 0; index < m_model.statements.size(); ++index) {
            Classify(index, m_model.statements[index]);
        }
        if (!m_model.blocks.empty()) {
            m_model.blocks.back().end = m_model.statements.size();
        }
    }

  private:
    void Classify(std::size_t index, InputStatement& statement) {
        const std::string first = LowerWord(statement.Word(0));
        const std::string_view block = KeywordBlock(first);
        if (!block.empty()) {
            OpenBlock(index, block);
            statement.kind = StatementKind::Keyword;
            statement.block = static_cast<int>(m_model.blocks.size()) - 1;
            return;
        }
        statement.block = m_model.blocks.empty() ? -1 : static_cast<int>(m_model.blocks.size()) - 1;
        if (statement.block >= 0 && ReadsKeywordLineOnly(m_model.blocks.back().name)) {
            statement.block = -1;
        }
        if (IsIncludeWord(first) && statement.words.size() > 1) {
            statement.kind = StatementKind::Include;
        } else if (IsOptionWord(first)) {
            statement.kind = StatementKind::Option;
            MatchPrefix(statement, std::string_view(first).substr(1));
        } else if (MatchDashless(statement, first)) {
            statement.kind = StatementKind::Option;
            statement.dashless = true;
        }
    }

    void OpenBlock(std::size_t index, std::string_view block) {
        if (!m_model.blocks.empty()) {
            InputBlock& previous = m_model.blocks.back();
            previous.end = index;
            if (previous.name == "end") {
                ++m_simulation;
            }
        }
        m_model.blocks.push_back({block, index, index + 1, m_simulation});
        m_readers.clear();
        m_readers.push_back({TopReaderName(block), Phreeqc3OptionsOf(block), false});
    }

    // Tries the readers from the innermost out, as each hands an unknown line to its opener.
    void MatchPrefix(InputStatement& statement, std::string_view typed) {
        for (std::size_t level = m_readers.size(); level-- > 0;) {
            std::string_view option = MatchOption(m_readers[level].options, typed);
            if (!option.empty()) {
                Select(statement, level, option);
                return;
            }
            if (m_readers[level].readsToBlockEnd) {
                break;
            }
        }
        statement.reader = m_readers.empty() ? std::string_view() : m_readers.back().name;
    }

    bool MatchDashless(InputStatement& statement, std::string_view word) {
        for (std::size_t level = m_readers.size(); level-- > 0;) {
            std::string_view option = FindExact(m_readers[level].options, word);
            if (!option.empty()) {
                Select(statement, level, option);
                return true;
            }
            if (m_readers[level].readsToBlockEnd) {
                break;
            }
        }
        return false;
    }

    void Select(InputStatement& statement, std::size_t level, std::string_view option) {
        m_readers.resize(level + 1);
        statement.option = option;
        statement.reader = m_readers[level].name;
        if (const ComponentReader* component = FindComponentReader(statement.reader, option)) {
            m_readers.push_back({component->name, component->options, component->readsToBlockEnd});
        }
    }

    InputModel& m_model;
    std::vector<ReaderLevel> m_readers;
    int m_simulation = 0;
};

} // namespace

bool IsOptionWord(std::string_view word) {
    return word.size() > 1 && word[0] == '-' &&
           ((word[1] >= 'a' && word[1] <= 'z') || (word[1] >= 'A' && word[1] <= 'Z'));
}

std::string_view MatchOption(std::span<const std::string_view> options, std::string_view typed) {
    if (typed.empty()) {
        return {};
    }
    const std::string lower = LowerWord(typed);
    for (std::string_view option : options) {
        if (option.starts_with(lower)) {
            return option;
        }
    }
    return {};
}

InputModel ReadInput(std::string_view text) {
    InputModel model;
    SplitStatements(text, model);
    model.lineStarts.push_back(0);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n') {
            model.lineStarts.push_back(at + 1);
        }
    }
    BlockReader(model).Read();
    return model;
}

std::optional<DatabaseLine> FindDatabaseLine(std::string_view text) {
    InputModel model;
    SplitStatements(text, model, 1);
    if (model.statements.empty() || LowerWord(model.statements[0].Word(0)) != "database") {
        return std::nullopt;
    }
    const InputStatement& statement = model.statements[0];
    if (statement.words.size() < 2) {
        const std::size_t after = statement.OffsetOf(statement.words[0].end);
        return DatabaseLine{"", after, after};
    }
    const std::size_t begin = statement.words[1].begin;
    const std::size_t end = statement.words.back().end;
    return DatabaseLine{std::string(statement.text.substr(begin, end - begin)),
                        statement.OffsetOf(begin), statement.OffsetOf(end - 1) + 1};
}

TextPlace InputModel::PlaceOf(std::size_t offset) const {
    auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
    const std::size_t line = static_cast<std::size_t>(after - lineStarts.begin()) - 1;
    return {offset, static_cast<int>(line), static_cast<int>(offset - lineStarts[line])};
}

} // namespace vxcheck
