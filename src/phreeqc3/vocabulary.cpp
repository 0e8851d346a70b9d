// Lookups over the PHREEQC 3 tables: the block of a keyword spelling and the options of a block.
#include "block_options.h"
#include "common/ascii_case.h"

#include <vxcheck/phreeqc3.h>

namespace vxcheck {

std::string_view Phreeqc3BlockOf(std::string_view spelling) {
    const std::string lower = LowerWord(spelling);
    for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
        if (keyword.spelling == lower) {
            return keyword.block;
        }
    }
    return {};
}

std::span<const std::string_view> Phreeqc3OptionsOf(std::string_view block) {
    for (std::span<const Phreeqc3Block> group :
         {ModelBlockOptions(), RunBlockOptions(), RawBlockOptions()}) {
        for (const Phreeqc3Block& entry : group) {
            if (entry.name == block) {
                return entry.options;
            }
        }
    }
    return {};
}

} // namespace vxcheck
