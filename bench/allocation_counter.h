// Counts the bytes that the whole program holds on the heap, through the global operator new and
// delete, so a benchmark can report the peak that one piece of work reached.
#pragma once

#include <cstddef>

namespace vxcheck::bench {

// Bytes held now.
std::size_t HeldBytes();
// The most bytes held since the last ResetPeak.
std::size_t PeakBytes();
// Starts a new peak from the bytes held now.
void ResetPeak();

} // namespace vxcheck::bench
