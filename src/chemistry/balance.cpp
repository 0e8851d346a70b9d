// ReactionImbalance: the element and charge balance of a reaction, checked as PHREEQC checks it:
// each element and the charge must balance within 1e-9 mol, and the electron is not an element
// that must balance (its charge counts).
#include <vxcheck/input/chemistry.h>

#include "chemistry/charge.h"
#include "chemistry/formula_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

// The sums of a reaction, right side less left side.
class Sums {
  public:
    // Adds a term's formula times factor; false when there is none or it does not read.
    bool Add(std::string formula, double factor) {
        if (formula.empty()) {
            return false;
        }
        m_formulas.push_back(std::move(formula));
        const std::string& text = m_formulas.back();
        const chemistry::ElementsRead read = chemistry::ReadElements(text);
        const std::optional<double> charge =
            read.error.empty() ? chemistry::ReadCharge(std::string_view(text).substr(read.end))
                               : std::nullopt;
        if (!charge) {
            return false;
        }
        m_charge += factor * *charge;
        for (const chemistry::ElementRead& element : read.elements) {
            const auto known =
                std::find_if(m_elements.begin(), m_elements.end(),
                             [&](const auto& sum) { return sum.first == element.element; });
            if (known != m_elements.end()) {
                known->second += factor * element.count;
            } else {
                m_elements.emplace_back(element.element, factor * element.count);
            }
        }
        return true;
    }

    // "H -2, O -1, charge 1": what is off by more than the tolerance, elements sorted by name.
    std::string Imbalance() {
        std::sort(m_elements.begin(), m_elements.end());
        std::string imbalance;
        const auto report = [&imbalance](std::string_view what, double amount) {
            if (std::fabs(amount) > kBalanceTolerance) {
                imbalance +=
                    (imbalance.empty() ? "" : ", ") + std::string(what) + " " + Number(amount);
            }
        };
        for (const auto& [element, amount] : m_elements) {
            if (element != "e") {
                report(element, amount);
            }
        }
        report("charge", m_charge);
        return imbalance;
    }

    // The views into m_formulas stay valid: the formulas are reserved before any is added.
    void Reserve(std::size_t terms) { m_formulas.reserve(terms); }

  private:
    std::vector<std::string> m_formulas;
    std::vector<std::pair<std::string_view, double>> m_elements;
    double m_charge = 0;
};

} // namespace

std::string ReactionImbalance(const Reaction& reaction, const PhaseFormulas& phases) {
    Sums sums;
    sums.Reserve(reaction.left.size() + reaction.right.size());
    bool judged = true;
    const auto add = [&](const std::vector<ReactionTerm>& side, double sign) {
        for (const ReactionTerm& term : side) {
            std::string formula = chemistry::TermFormula(term.species);
            if (&term != reaction.left.data() && IsPhase(term.species)) {
                formula = PhaseFormula(term.species, formula, phases);
            }
            // An unknown phase, or a term that ParseReaction reports, leaves nothing to judge.
            judged = sums.Add(std::move(formula), sign * term.coefficient) && judged;
        }
    };
    add(reaction.left, -1);
    add(reaction.right, 1);
    return judged ? sums.Imbalance() : "";
}

} // namespace vxcheck
