// PHREEQC 3's keyword spellings grouped into their blocks, built once from its keyword and option
// tables.
#include "input/keywords.h"

#include <vxcheck/input/vocabulary.h>
#include <vxcheck/phreeqc3.h>

#include <algorithm>

namespace vxcheck {
namespace {

const std::vector<BlockVocabulary>& Blocks() {
    static const std::vector<BlockVocabulary> blocks = [] {
        std::vector<BlockVocabulary> list;
        for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
            auto found = std::find_if(list.begin(), list.end(), [&](const BlockVocabulary& block) {
                return block.name == keyword.block;
            });
            if (found == list.end()) {
                list.push_back({keyword.block, {}, Phreeqc3OptionsOf(keyword.block)});
                found = list.end() - 1;
            }
            found->spellings.push_back(keyword.spelling);
        }
        return list;
    }();
    return blocks;
}

} // namespace

std::span<const BlockVocabulary> BlockVocabularies() {
    return Blocks();
}

const BlockVocabulary* FindBlockVocabulary(std::string_view spelling) {
    const std::string_view block = KeywordBlock(LowerWord(spelling));
    for (const BlockVocabulary& entry : Blocks()) {
        if (entry.name == block) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace vxcheck
