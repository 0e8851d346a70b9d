// The component readers of the RAW and MODIFY blocks and their option tables.
#pragma once

#include <vxcheck/input/vocabulary.h>

#include <string_view>

namespace vxcheck {

// The component reader that option of reader opens, or null.
const ComponentReader* FindComponentReader(std::string_view reader, std::string_view option);

} // namespace vxcheck
