// A finding about a PHREEQC input: where it is, how serious, a stable code and a message.
#pragma once

#include <vxcheck/export.h>

#include <cstddef>
#include <string>

namespace vxcheck {

enum class Severity {
    Error,   // PHREEQC stops with an error on this input
    Warning, // PHREEQC warns, or the input is almost surely not what its author meant
};

// A place in a text: byte offset, and 0-based line and byte column.
struct TextPlace {
    std::size_t offset = 0;
    int line = 0;
    int column = 0;
};

struct Diagnostic {
    TextPlace begin;
    TextPlace end; // one past the last byte of the range
    Severity severity = Severity::Error;
    std::string code;    // stable, lower case with dashes, such as "unknown-keyword"
    std::string message; // one sentence for a geochemist, with a suggestion where one is clear
};

// "error" or "warning".
VXCHECK_API const char* SeverityName(Severity severity);

} // namespace vxcheck
