// The component readers of the RAW and MODIFY blocks and their option tables.
#pragma once

#include <span>
#include <string_view>

namespace vxcheck {

struct ComponentReader {
    std::string_view opener; // the reader whose option opens this one
    std::string_view option; // that option
    std::string_view name;
    std::span<const std::string_view> options;
    bool readsToBlockEnd; // never hands a line back: reads every line up to the next keyword
};

// The component reader that option of reader opens, or null.
const ComponentReader* FindComponentReader(std::string_view reader, std::string_view option);

} // namespace vxcheck
