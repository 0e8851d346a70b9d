// Adding and finding names: a later definition of a name replaces the earlier one where it
// stands, as PHREEQC replaces a species or phase it reads again.
#include "names/name_index.h"

#include "common/ascii_case.h"

#include <algorithm>

namespace vxcheck::names {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Where a name of a kind stands in the index PHREEQC's lookup of that kind uses.
template <typename Index> std::size_t* Position(Index& index, std::string_view name) {
    const auto found = index.find(name);
    return found == index.end() ? nullptr : &found->second;
}

} // namespace

bool IgnoresCase(NameKind kind) {
    switch (kind) {
    case NameKind::Element:
    case NameKind::ValenceState:
    case NameKind::Phase:
    case NameKind::Rate:
        return true;
    default:
        return false;
    }
}

std::string MasterName(std::string_view written) {
    std::string name(written);
    if (const std::size_t plus = name.find("(+"); plus != std::string::npos) {
        name.erase(plus + 1, 1);
    }
    return name;
}

void FoldInto(std::string_view name, std::string& folded) {
    folded.resize(name.size());
    std::transform(name.begin(), name.end(), folded.begin(), Lower);
}

std::string Folded(std::string_view name) {
    return LowerWord(name);
}

std::size_t FoldedHash::operator()(std::string_view name) const noexcept {
    std::size_t hash = 14695981039346656037ULL; // FNV-1a
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(Lower(c))) * 1099511628211ULL;
    }
    return hash;
}

bool FoldedEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

std::size_t NameIndexes::Add(NameEntry entry) {
    KindNames& names = kinds.at(static_cast<std::size_t>(entry.kind));
    const bool fold = IgnoresCase(entry.kind);
    std::size_t* known =
        fold ? Position(names.folded, entry.name) : Position(names.exact, entry.name);
    if (known != nullptr) {
        entries[*known] = std::move(entry);
        return *known;
    }
    const std::size_t position = entries.size();
    names.order.push_back(position);
    if (fold) {
        names.folded.emplace(entry.name, position);
    } else {
        names.exact.emplace(entry.name, position);
    }
    entries.push_back(std::move(entry));
    return position;
}

const NameEntry* NameIndexes::Find(NameKind kind, std::string_view name) const {
    const KindNames& names = kinds.at(static_cast<std::size_t>(kind));
    if (IgnoresCase(kind)) {
        if (const auto found = names.folded.find(name); found != names.folded.end()) {
            return &entries[found->second];
        }
        // PHREEQC drops the "+" of the first "(+" in an element or valence state it looks up.
        if (kind == NameKind::Phase || kind == NameKind::Rate ||
            name.find("(+") == std::string_view::npos) {
            return nullptr;
        }
        const auto found = names.folded.find(MasterName(name));
        return found == names.folded.end() ? nullptr : &entries[found->second];
    }
    const auto found = names.exact.find(name);
    return found == names.exact.end() ? nullptr : &entries[found->second];
}

} // namespace vxcheck::names
