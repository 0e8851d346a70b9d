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

using NameIndex = std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>>;

// Whether PHREEQC finds names of a kind without regard to case: elements, valence states and the
// exchange and surface master species (its master list), phases and rates do; species do not.
bool IgnoresCase(NameKind kind);

// name with ASCII letters in lower case.
std::string Folded(std::string_view name);

struct KindNames {
    std::vector<std::size_t> order; // positions in NameIndexes::entries, in definition order
    NameIndex exact;
    NameIndex folded; // only for kinds that ignore case
};

struct NameIndexes {
    std::vector<NameEntry> entries;
    std::array<KindNames, kNameKinds> kinds;

    void Add(NameEntry entry);
    const NameEntry* Find(NameKind kind, std::string_view name) const;
};

} // namespace vxcheck::names
