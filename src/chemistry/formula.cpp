// ParseFormula: the elements and charge of one formula, such as "Ca+2", "Fe(OH)3" or "Hfo_wOH2+".
#include <vxcheck/input/chemistry.h>

#include "chemistry/charge.h"
#include "chemistry/formula_reader.h"

namespace vxcheck {

std::optional<FormulaContent> ParseFormula(std::string_view formula) {
    if (formula.empty()) {
        return std::nullopt;
    }
    chemistry::ElementsRead read = chemistry::ReadElements(formula);
    if (!read.error.empty()) {
        return std::nullopt;
    }
    // What follows the elements is the charge, to the end of the formula.
    const std::optional<double> charge = chemistry::ReadCharge(formula.substr(read.end));
    if (!charge) {
        return std::nullopt;
    }
    return FormulaContent{std::move(read.elements), *charge};
}

} // namespace vxcheck
