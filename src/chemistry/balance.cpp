// ReactionImbalance: the element and charge balance of a reaction, checked as PHREEQC checks it:
// each element and the charge must balance within 1e-9 mol, and the electron is not an element
// that must balance (its charge counts).
#include <vxcheck/input/chemistry.h>

#include "chemistry/formula_reader.h"

#include <cmath>
#include <cstdio>
#include <map>

namespace vxcheck {

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

bool IsPhase(std::string_view species) {
    for (const std::string_view mark : {"(s)", "(g)", "(S)", "(G)"}) {
        if (species.find(mark) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// The formula of a phase named in a reaction; "" when unknown.
std::string PhaseFormula(const std::string& written, const std::string& unmarked,
                         const PhaseFormulas& phases) {
    if (!phases) {
        return "";
    }
    std::string formula = phases(written);
    return formula.empty() ? phases(unmarked) : formula;
}

} // namespace

std::string ReactionImbalance(const Reaction& reaction, const PhaseFormulas& phases) {
    // Elements sorted by name, as PHREEQC lists them.
    std::map<std::string, double> elements;
    double charge = 0;
    bool judged = true;
    const auto add = [&](const std::vector<ReactionTerm>& side, double sign) {
        for (const ReactionTerm& term : side) {
            std::string formula = chemistry::TermFormula(term.species);
            if (&term != reaction.left.data() && IsPhase(term.species)) {
                formula = PhaseFormula(term.species, formula, phases);
            }
            const std::optional<FormulaContent> content = ParseFormula(formula);
            if (!content) {
                judged = false; // an unknown phase, or a term ParseReaction reports
                continue;
            }
            charge += sign * term.coefficient * content->charge;
            for (const ElementCount& element : content->elements) {
                elements[element.element] += sign * term.coefficient * element.count;
            }
        }
    };
    add(reaction.left, -1);
    add(reaction.right, 1);
    std::string imbalance;
    if (!judged) {
        return imbalance;
    }
    const auto report = [&](const std::string& what, double amount) {
        if (std::fabs(amount) > kBalanceTolerance) {
            imbalance += (imbalance.empty() ? "" : ", ") + what + " " + Number(amount);
        }
    };
    for (const auto& [element, amount] : elements) {
        if (element != "e") {
            report(element, amount);
        }
    }
    report("charge", charge);
    return imbalance;
}

} // namespace vxcheck
