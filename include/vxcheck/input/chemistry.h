// Formulas and reactions as PHREEQC writes them ("Ca+2", "CO3-2", "e-", "Fe(OH)3", "CaSO4:2H2O",
// "Hfo_wOH2+"), and the element and charge balance of a reaction.
#pragma once

#include <vxcheck/export.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck {

struct ElementCount {
    std::string element; // as written: "Ca", "Hfo_w", "X"
    double count = 0;
};

// What a formula holds: elements with their counts (in order of first appearance) and charge.
struct FormulaContent {
    std::vector<ElementCount> elements;
    double charge = 0;
};

// The content of one formula; nullopt when PHREEQC could not read it.
VXCHECK_API std::optional<FormulaContent> ParseFormula(std::string_view formula);

// One species of a reaction with its coefficient; [begin, end) are its bytes in the equation.
struct ReactionTerm {
    double coefficient = 1;
    std::string species;
    std::size_t begin = 0;
    std::size_t end = 0;
};

struct Reaction {
    std::vector<ReactionTerm> left;
    std::vector<ReactionTerm> right;
};

// Why an equation could not be read, and the bytes [begin, end) of the equation at fault.
struct ReactionError {
    std::string message;
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Reads "Ca+2 + CO3-2 = CaCO3" (coefficients such as "2H2O" or "0.5 O2" allowed); error is
// filled and nullopt returned when the equation is not one PHREEQC reads.
VXCHECK_API std::optional<Reaction> ParseReaction(std::string_view equation,
                                                  ReactionError* error = nullptr);

// What a reaction leaves unbalanced, as PHREEQC checks it: "" when it balances, else the
// elements and charge that the right side has more than the left, such as "H -2, O -1" or
// "charge 2".
VXCHECK_API std::string ReactionImbalance(const Reaction& reaction);

} // namespace vxcheck
