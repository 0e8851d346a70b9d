// The storage behind NameTable: entries in definition order and hash indexes for lookups by
// exact spelling and, for the kinds PHREEQC looks up without regard to case, by folded spelling.
#pragma once

#include <vxcheck/input/names.h>

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vxcheck::names {

// Hashes std::string and std::string_view alike, so lookups need no copy of the name.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept {
        return std::hash<std::string_view>{}(name);
    }
};

// Hashes and compares names with ASCII letters folded to lower case, without copying them.
struct FoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept;
};
struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};

using NameIndex = std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>>;
using FoldedNameIndex = std::unordered_map<std::string, std::size_t, FoldedHash, FoldedEqual>;

// Whether PHREEQC finds names of a kind without regard to case: elements and valence states, phases
// and rates. Species are found by exact spelling, and exchange and surface names are read as
// formulas, whose elements depend on case ("HFO_w" is H, F and O_w).
bool IgnoresCase(NameKind kind);

// An element or valence state as PHREEQC stores and looks it up: "Fe(+2)" is "Fe(2)".
std::string MasterName(std::string_view written);

// name with ASCII letters in lower case, returned or written to folded.
std::string Folded(std::string_view name);
void FoldInto(std::string_view name, std::string& folded);

struct KindNames {
    std::vector<std::size_t> order; // positions in NameIndexes::entries, in definition order
    NameIndex exact;                // kinds found by exact spelling
    FoldedNameIndex folded;         // kinds found without regard to case
};

struct NameIndexes {
    std::vector<NameEntry> entries;
    std::array<KindNames, kNameKinds> kinds;

    // Adds or replaces entry; returns its position in entries.
    std::size_t Add(NameEntry entry);
    const NameEntry* Find(NameKind kind, std::string_view name) const;
};

} // namespace vxcheck::names
