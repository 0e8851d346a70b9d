// A name table fed from text by a plain walk of its statements, as an input reader would feed it.
#pragma once

#include <vxcheck/input/names.h>

#include "support/database_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

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
        std::vector<std::string_view> words;
        for (std::size_t begin = statement.find_first_not_of(" \t\r"); begin != std::string::npos;
             begin = statement.find_first_not_of(" \t\r", begin)) {
            const std::size_t end =
                std::min(statement.find_first_of(" \t\r", begin), statement.size());
            words.push_back(std::string_view(statement).substr(begin, end - begin));
            begin = end;
        }
        if (!words.empty()) {
            table.Collect({block, OptionOf(block, std::string(words[0])), words, {file, line}});
        }
    });
}
