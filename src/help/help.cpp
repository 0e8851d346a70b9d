// Lookups over the help tables: by block, by block and option, by BASIC word; and the
// parameters of a BASIC function's form.
#include <vxcheck/input/help.h>
#include <vxcheck/phreeqc3.h>

#include "input/keywords.h"

#include <algorithm>
#include <string>

namespace vxcheck {

namespace {

// The row of a sorted table whose key equals key, or null.
template <typename Row, typename Key>
const Row* FindSorted(std::span<const Row> rows, const Key& key, Key (*keyOf)(const Row&)) {
    const auto found =
        std::lower_bound(rows.begin(), rows.end(), key,
                         [&](const Row& row, const Key& k) { return keyOf(row) < k; });
    return found != rows.end() && keyOf(*found) == key ? &*found : nullptr;
}

} // namespace

const KeywordHelp* FindKeywordHelp(std::string_view keyword) {
    const std::string_view block = Phreeqc3BlockOf(keyword);
    const std::string lower = LowerWord(keyword);
    return FindSorted<KeywordHelp, std::string_view>(
        KeywordHelps(), block.empty() ? std::string_view(lower) : block,
        [](const KeywordHelp& row) { return row.block; });
}

const OptionHelp* FindOptionHelp(std::string_view block, std::string_view option) {
    if (option.starts_with('-')) {
        option.remove_prefix(1);
    }
    using Key = std::pair<std::string_view, std::string_view>;
    const std::string lowerBlock = LowerWord(block);
    const std::string lowerOption = LowerWord(option);
    return FindSorted<OptionHelp, Key>(OptionHelps(), Key{lowerBlock, lowerOption},
                                       [](const OptionHelp& row) {
                                           return Key{row.block, row.option};
                                       });
}

const BasicHelp* FindBasicHelp(std::string_view word) {
    const std::string lower = LowerWord(word);
    return FindSorted<BasicHelp, std::string_view>(BasicHelps(), lower,
                                                   [](const BasicHelp& row) { return row.word; });
}

std::vector<std::string_view> BasicParameters(const BasicHelp& help) {
    std::vector<std::string_view> parameters;
    const std::string_view form = help.form;
    const std::size_t open = form.find('(');
    const std::size_t close = form.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close <= open) {
        return parameters;
    }
    // A comma inside quotes or inner parentheses belongs to its parameter.
    int depth = 0;
    bool quoted = false;
    std::size_t begin = open + 1;
    for (std::size_t at = open + 1; at <= close; ++at) {
        const char c = form[at];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '(') {
            ++depth;
        } else if (!quoted && c == ')' && at != close) {
            --depth;
        } else if (!quoted && depth == 0 && (c == ',' || at == close)) {
            std::string_view parameter = form.substr(begin, at - begin);
            while (parameter.starts_with(' ')) {
                parameter.remove_prefix(1);
            }
            if (!parameter.empty()) {
                parameters.push_back(parameter);
            }
            begin = at + 1;
        }
    }
    return parameters;
}

} // namespace vxcheck
