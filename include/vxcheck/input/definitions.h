// What an input defines itself, for an editor that offers it: the names of its defining blocks,
// the numbers of its reactants, the names of CALCULATE_VALUES, and the line numbers and variables
// of a BASIC program.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck {

// Adds to names what the statements of the input's defining blocks (SOLUTION_MASTER_SPECIES,
// SOLUTION_SPECIES, PHASES, EXCHANGE_ and SURFACE_ blocks, RATES) that begin before offset define.
VXCHECK_API void CollectDefinitionsBefore(const InputModel& model, std::size_t offset,
                                          NameTable& names);
// The offset of the first statement at or after offset that CollectDefinitionsBefore takes, or
// std::string_view::npos when none: every offset from offset up to it collects the same names.
VXCHECK_API std::size_t NextDefinitionAt(const InputModel& model, std::size_t offset);

// The numbers that keyword lines before offset give reactants of block entity ("solution"): the
// numbers of its own keyword lines ("SOLUTION 3", each number of "SOLUTION 1-4" up to 100 of
// them) and those that SAVE and COPY give it; in input order, each once.
VXCHECK_API std::vector<std::string>
NumbersDefinedBefore(const InputModel& model, std::string_view entity, std::size_t offset);

// The names that CALCULATE_VALUES blocks before offset define, in input order.
VXCHECK_API std::vector<std::string> CalculatedValuesBefore(const InputModel& model,
                                                            std::size_t offset);

// The line numbers and the variables (lower case) of the BASIC program of block blockIndex, each
// once, in program order.
struct ProgramNames {
    std::vector<long> lineNumbers;
    std::vector<std::string> variables;
};
VXCHECK_API ProgramNames ProgramNamesOf(const InputModel& model, int blockIndex);

} // namespace vxcheck
