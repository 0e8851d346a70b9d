// InputNames: the names that an input's own defining blocks (PHASES, SOLUTION_SPECIES, RATES,
// ...) define, with the input's lines as their origin.
#include "input/collect_names.h"

#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>

namespace vxcheck {

NameTable InputNames(const InputModel& model) {
    NameTable names;
    NameCollector collector(names, std::string());
    for (const InputStatement& statement : model.statements) {
        collector.Collect(model, statement);
    }
    return names;
}

} // namespace vxcheck
