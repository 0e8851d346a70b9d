// PHREEQC's BASIC: the programs of RATES, USER_PRINT, USER_PUNCH, USER_GRAPH and
// CALCULATE_VALUES, read line by line as PHREEQC's interpreter reads them, and their mistakes.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/input/diagnostic.h>
#include <vxcheck/input/names.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck {

// A mistake in a program: bytes [begin, end) of one of its lines.
struct BasicFinding {
    std::size_t line = 0; // index of the line in the program
    std::size_t begin = 0;
    std::size_t end = 0;
    Severity severity = Severity::Error;
    std::string code; // "basic-syntax", "basic-missing-line", ...
    std::string message;
};

// A name written as a literal string argument of a function that looks it up: the "Calcite" of
// SI("Calcite"). begin and end cover the name inside the quotes.
struct BasicNameUse {
    std::size_t line = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
    NameKind kind = NameKind::Phase; // Phase, Element, AqueousSpecies or Rate
    std::string_view name;
    std::string_view function; // lower case, as PHREEQC spells it
};

struct BasicReport {
    std::vector<BasicFinding> findings; // in line order
    std::vector<BasicNameUse> names;
};

// Reads the lines of one program (each a line as PHREEQC hands it to its interpreter: the
// input's comments and ";" already taken out) and reports what PHREEQC would reject when it runs
// them, and what is almost surely not what the author meant. The names are returned for the
// caller to judge against the names it knows. Any bytes; time linear in the text.
VXCHECK_API BasicReport CheckBasicProgram(std::span<const std::string_view> lines);

} // namespace vxcheck
