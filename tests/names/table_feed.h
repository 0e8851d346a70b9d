// A name table fed from text by a plain walk of its statements, as an input reader would feed it.
#pragma once

#include <vxcheck/input/names.h>

#include "support/database_text.h"

#include <iterator>

// Feeds text to table as an input reader would: keyword lines open blocks, ";" separates
// statements, "#" starts a comment, options are matched with PHREEQC's rules.
inline void Feed(vxcheck::NameTable& table, const std::string& text, const std::string& file = "") {
    std::string block;
    ForEachStatement(text, [&](const std::string& statement, int line) {
        if (const std::string opened = BlockOf(statement); !opened.empty()) {
            block = opened;
            table.BeginBlock(block);
            return;
        }
        std::istringstream split(statement);
        const std::vector<std::string> words{std::istream_iterator<std::string>(split), {}};
        if (!words.empty()) {
            const std::vector<std::string_view> views(words.begin(), words.end());
            table.Collect({block, OptionOf(block, words[0]), views, {file, line}});
        }
    });
}
