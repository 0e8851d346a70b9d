// Formulas and reactions as PHREEQC writes them ("Ca+2", "CO3-2", "e-", "Fe(OH)3", "CaSO4:2H2O",
// "Hfo_wOH2+"), and the element and charge balance of a reaction.
#pragma once

#include <vxcheck/export.h>

#include <cstddef>
#include <functional>
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

// One species of a reaction with its coefficient; [begin, end) are its bytes in the equation,
// from the coefficient (without a separating "+") to the end of the charge.
struct ReactionTerm {
    double coefficient = 1;
    std::string species; // as PHREEQC names it: charge spelled "+2", "-", so "Ca++" is "Ca+2"
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
// filled and nullopt returned when the equation is not one PHREEQC reads: a character it does not
// allow, no "=" or a second one, an empty side, a coefficient or charge that is not a number, or
// a term whose formula has no elements PHREEQC can read ("CaCO3x"; "(g)", "(s)" and "(aq)"
// marks are allowed). Which term the equation defines is the caller's: the first on the right
// in SOLUTION_, EXCHANGE_ and SURFACE_SPECIES, the first on the left in PHASES; PHREEQC requires
// its coefficient to be 1 (within kBalanceTolerance).
VXCHECK_API std::optional<Reaction> ParseReaction(std::string_view equation,
                                                  ReactionError* error = nullptr);

// How far PHREEQC lets a reaction's element and charge sums, and the defining coefficient, be off.
inline constexpr double kBalanceTolerance = 1e-9;

// What a reaction leaves unbalanced, as PHREEQC checks it: "" when it balances, else the
// elements (sorted by name; the electron "e" is not counted) and the charge that the right side
// has more than the left, such as "H -2, O -1" or "charge 2".
// A term other than the first on the left that carries "(s)" or "(g)" names a phase, which
// PHREEQC replaces by that phase's reaction: its elements are those of the phase's formula, which
// phases gives (asked for the name as written, then without the mark; "" when unknown). A
// reaction with a phase whose formula is unknown is not judged: "" is returned.
using PhaseFormulas = std::function<std::string(std::string_view phase)>;
VXCHECK_API std::string ReactionImbalance(const Reaction& reaction,
                                          const PhaseFormulas& phases = {});

} // namespace vxcheck
