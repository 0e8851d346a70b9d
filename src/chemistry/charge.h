// The charge written after a species name ("+2", "++", "-", "+0.5"), read as PHREEQC reads it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vxcheck::chemistry {

// The charge of text, which is empty or starts with "+" or "-"; nullopt when PHREEQC rejects it.
// When normalized is given it receives the charge as PHREEQC spells it in species names: "" for
// no charge, "+" or "-" for one, "+2" or "-3" beyond, and a fractional charge as written.
std::optional<double> ReadCharge(std::string_view text, std::string* normalized = nullptr);

} // namespace vxcheck::chemistry
