// A name table fed from text by a plain walk of its statements, as an input reader would feed it.
#pragma once

#include <vxcheck/input/names.h>

#include "support/database_text.h"

#include <iterator>

// Feeds text to table as an input reader would: keyword lines open blocks, ";" separates
// statements, "#" starts a comment, options are matched with PHREEQC's rules.
inline void Feed(vxcheck::NameTable& table, const std::string& text, const std::string& file = "") {
    std::istringstream lines(text);
    std::string whole;
    std::string block;
    for (int number = 0; std::getline(lines, whole); ++number) {
        std::istringstream statements(whole.substr(0, whole.find('#')));
        std::string statement;
        while (std::getline(statements, statement, ';')) {
            if (const std::string opened = BlockOf(statement); !opened.empty()) {
                block = opened;
                table.BeginBlock(block);
                continue;
            }
            std::istringstream split(statement);
            std::vector<std::string> words{std::istream_iterator<std::string>(split), {}};
            if (words.empty()) {
                continue;
            }
            const std::vector<std::string_view> views(words.begin(), words.end());
            const std::string option = OptionOf(block, words[0]);
            table.Collect({block, option, views, {file, number}});
        }
    }
}
