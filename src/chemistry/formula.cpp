// ParseFormula: the elements and charge of one formula, such as "Ca+2", "Fe(OH)3" or "Hfo_wOH2+".
#include <vxcheck/input/chemistry.h>

#include "chemistry/charge.h"
#include "chemistry/formula_reader.h"

#include <algorithm>

namespace vxcheck {

std::optional<FormulaContent> ParseFormula(std::string_view formula) {
    if (formula.empty()) {
        return std::nullopt;
    }
    const chemistry::ElementsRead read = chemistry::ReadElements(formula);
    if (!read.error.empty()) {
        return std::nullopt;
    }
    // What follows the elements is the charge, to the end of the formula.
    const std::optional<double> charge = chemistry::ReadCharge(formula.substr(read.end));
    if (!charge) {
        return std::nullopt;
    }
    FormulaContent content{{}, *charge};
    for (const chemistry::ElementRead& element : read.elements) {
        const auto known = std::find_if(
            content.elements.begin(), content.elements.end(),
            [&element](const ElementCount& counted) { return counted.element == element.element; });
        if (known != content.elements.end()) {
            known->count += element.count;
        } else {
            content.elements.push_back({std::string(element.element), element.count});
        }
    }
    return content;
}

} // namespace vxcheck
