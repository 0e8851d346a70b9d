// The three generated groups of PHREEQC 3 option lists, one per file, which the block lookup
// searches in turn.
#pragma once

#include <vxcheck/phreeqc3.h>

#include <span>

namespace vxcheck {

// Blocks that define the chemistry: database blocks and model input (model_options.cpp).
std::span<const Phreeqc3Block> ModelBlockOptions();
// Blocks that steer a run and its output (run_options.cpp).
std::span<const Phreeqc3Block> RunBlockOptions();
// The RAW and MODIFY blocks (raw_options.cpp).
std::span<const Phreeqc3Block> RawBlockOptions();

} // namespace vxcheck
