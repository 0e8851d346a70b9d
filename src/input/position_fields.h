// The data-line fields whose kind depends on the words written before them, for PositionAt.
#pragma once

#include "input/field_lines.h"

#include <vxcheck/input/model.h>
#include <vxcheck/input/position.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace vxcheck {

// What word (an index into statement, a data line of shape line; null for a line not yet
// written) takes, or an empty list when the block's field rows tell it alone. Sets
// position.literals for Expected::Literal.
std::vector<Expected> DependentField(const InputStatement* statement, const LineShape& line,
                                     std::size_t word, InputPosition& position);

// Whether word is one of SOLUTION's concentration units, in any case.
bool IsUnits(std::string_view word);

} // namespace vxcheck
