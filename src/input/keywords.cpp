// Keyword lookup for the input reader: one hash lookup per statement instead of a scan of
// PHREEQC's 112 spellings.
#include "input/keywords.h"

#include <vxcheck/phreeqc3.h>

#include <unordered_map>

namespace vxcheck {

std::string_view KeywordBlock(std::string_view lower) {
    static const std::unordered_map<std::string_view, std::string_view> kBlocks = [] {
        std::unordered_map<std::string_view, std::string_view> blocks;
        for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
            blocks.emplace(keyword.spelling, keyword.block);
        }
        return blocks;
    }();
    auto found = kBlocks.find(lower);
    return found == kBlocks.end() ? std::string_view() : found->second;
}

bool ReadsKeywordLineOnly(std::string_view block) {
    return block == "end" || block == "use" || block == "save" || block == "copy" ||
           block == "database";
}

} // namespace vxcheck
