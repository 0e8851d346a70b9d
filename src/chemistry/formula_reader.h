// The elements of a formula as PHREEQC counts them: an element is an upper-case letter, or a
// bracketed name such as "[13C]", followed by lower-case letters and underscores ("Ca", "Hfo_w");
// "e" before "-" is the electron. Counts follow elements and ")" groups; ":" multiplies what
// follows it ("CaSO4:2H2O"). Reading stops at the first "+" or "-" outside brackets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck::chemistry {

// One element as read, its name a view into the formula.
struct ElementRead {
    std::string_view element;
    double count = 0;
};

// The result of reading the elements of a formula: where reading stopped, and why it failed.
struct ElementsRead {
    std::vector<ElementRead> elements; // as read: an element may appear more than once
    std::size_t end = 0;               // the first byte not read: a sign or the end
    std::string error;                 // empty when the elements were read
};

// Reads the elements of formula, which must outlive the result.
ElementsRead ReadElements(std::string_view formula);

// The part of a reaction term whose elements PHREEQC counts: the term without the first "(g)",
// "(s)", "(aq)" (in either case) and with "H2O(l)" read as "H2O".
std::string TermFormula(std::string_view species);

} // namespace vxcheck::chemistry
