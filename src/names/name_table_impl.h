// What a NameTable holds: its names, and where reading of the current defining block stands.
#pragma once

#include "names/name_index.h"

#include <optional>

namespace vxcheck {

struct NameTable::Impl {
    names::NameIndexes names;

    // The block being read, and what its statements so far leave open.
    std::string block;
    std::optional<NameEntry> phase_awaiting_equation; // a PHASES name line was read
    bool in_rate_program = false;                     // between -start and -end in RATES
    // The entries that the block's last definition made, which its -log_k lines complete.
    std::vector<std::size_t> defined;
};

} // namespace vxcheck
