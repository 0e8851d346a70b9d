// NameTable: adding, finding and listing names, and the table's value semantics.
#include <vxcheck/input/names.h>

#include "names/name_table_impl.h"

namespace vxcheck {

NameTable::NameTable() : m_impl(std::make_unique<Impl>()) {}
NameTable::~NameTable() = default;
NameTable::NameTable(const NameTable& other) : m_impl(std::make_unique<Impl>(*other.m_impl)) {}
NameTable& NameTable::operator=(const NameTable& other) {
    if (this != &other) {
        m_impl = std::make_unique<Impl>(*other.m_impl);
    }
    return *this;
}
// A moved-from table is left empty, not without storage, so that every call stays valid.
NameTable::NameTable(NameTable&& other) noexcept : m_impl(std::move(other.m_impl)) {
    other.m_impl = std::make_unique<Impl>();
}
NameTable& NameTable::operator=(NameTable&& other) noexcept {
    if (this != &other) {
        m_impl = std::move(other.m_impl);
        other.m_impl = std::make_unique<Impl>();
    }
    return *this;
}

void NameTable::Add(NameEntry entry) {
    if (!entry.name.empty()) {
        m_impl->names.Add(std::move(entry));
    }
}

const NameEntry* NameTable::Find(NameKind kind, std::string_view name) const {
    return m_impl->names.Find(kind, name);
}

std::vector<const NameEntry*> NameTable::All(NameKind kind) const {
    std::vector<const NameEntry*> all;
    for (const std::size_t position :
         m_impl->names.kinds.at(static_cast<std::size_t>(kind)).order) {
        all.push_back(&m_impl->names.entries[position]);
    }
    return all;
}

std::vector<const NameEntry*> NameTable::FindAny(std::string_view name) const {
    std::vector<const NameEntry*> found;
    for (std::size_t kind = 0; kind < kNameKinds; ++kind) {
        if (const NameEntry* entry = Find(static_cast<NameKind>(kind), name)) {
            found.push_back(entry);
        }
    }
    return found;
}

std::vector<const NameEntry*> NameTable::ValenceStates(std::string_view element) const {
    const std::string prefix = names::Folded(element) + "(";
    std::vector<const NameEntry*> states;
    for (const NameEntry* state : All(NameKind::ValenceState)) {
        if (names::Folded(state->name).starts_with(prefix)) {
            states.push_back(state);
        }
    }
    return states;
}

bool NameTable::Empty() const {
    return m_impl->names.entries.empty();
}

} // namespace vxcheck
