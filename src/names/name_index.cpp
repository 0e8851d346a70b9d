// Adding and finding names: a later definition of a name replaces the earlier one where it
// stands, as PHREEQC replaces a species or phase it reads again.
#include "names/name_index.h"

namespace vxcheck::names {

bool IgnoresCase(NameKind kind) {
    switch (kind) {
    case NameKind::Element:
    case NameKind::ValenceState:
    case NameKind::ExchangeMaster:
    case NameKind::SurfaceMaster:
    case NameKind::Phase:
    case NameKind::Rate:
        return true;
    default:
        return false;
    }
}

std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

void NameIndexes::Add(NameEntry entry) {
    KindNames& names = kinds.at(static_cast<std::size_t>(entry.kind));
    const bool fold = IgnoresCase(entry.kind);
    NameIndex& index = fold ? names.folded : names.exact;
    const std::string key = fold ? Folded(entry.name) : entry.name;
    const auto known = index.find(key);
    if (known != index.end()) {
        NameEntry& replaced = entries[known->second];
        if (fold) {
            names.exact.erase(replaced.name);
            names.exact.emplace(entry.name, known->second);
        }
        replaced = std::move(entry);
        return;
    }
    const std::size_t position = entries.size();
    names.order.push_back(position);
    index.emplace(key, position);
    if (fold) {
        names.exact.emplace(entry.name, position);
    }
    entries.push_back(std::move(entry));
}

const NameEntry* NameIndexes::Find(NameKind kind, std::string_view name) const {
    const KindNames& names = kinds.at(static_cast<std::size_t>(kind));
    if (const auto exact = names.exact.find(name); exact != names.exact.end()) {
        return &entries[exact->second];
    }
    if (!IgnoresCase(kind)) {
        return nullptr;
    }
    const auto folded = names.folded.find(Folded(name));
    return folded == names.folded.end() ? nullptr : &entries[folded->second];
}

} // namespace vxcheck::names
