// The input's definitions, layer by layer, over the database's names.
#include "lint/simulation_names.h"

#include "input/collect_names.h"
#include "names/name_index.h"
#include "names/suggest.h"

#include <algorithm>

namespace vxcheck {
namespace {

// Whether entry was found under name itself, not under the "Fe(2)" that "Fe(+2)" is read as.
bool FoundAsWritten(NameKind kind, const NameEntry& entry, std::string_view name) {
    return names::IgnoresCase(kind) ? names::FoldedEqual{}(entry.name, name) : entry.name == name;
}

} // namespace

const NameEntry* KnownNames::Find(NameKind kind, std::string_view name) const {
    if (m_input == nullptr) {
        return m_database->Find(kind, name);
    }
    // As one table would: a name as written before the "(+" reading, the input's before the
    // database's.
    const NameEntry* own = m_input->Find(kind, name);
    if (own != nullptr && FoundAsWritten(kind, *own, name)) {
        return own;
    }
    const NameEntry* base = m_database->Find(kind, name);
    if (base != nullptr && FoundAsWritten(kind, *base, name)) {
        return base;
    }
    return own != nullptr ? own : base;
}

std::optional<std::string> KnownNames::Suggest(NameKind kind, std::string_view name) const {
    if (m_input == nullptr) {
        return m_database->Suggest(kind, name);
    }
    std::vector<const NameEntry*> candidates = m_input->All(kind);
    for (const NameEntry* entry : m_database->All(kind)) {
        const NameEntry* own = m_input->Find(kind, entry->name);
        if (own == nullptr || !FoundAsWritten(kind, *own, entry->name)) {
            candidates.push_back(entry); // not replaced by the input's definition
        }
    }
    return names::Nearest(candidates, name);
}

KnownNames SimulationNames::Through(int simulation) {
    while (m_nextBlock < m_model.blocks.size() &&
           m_model.blocks[m_nextBlock].simulation <= simulation) {
        const InputBlock& block = m_model.blocks[m_nextBlock++];
        if (!DefinesNames(block.name)) {
            continue;
        }
        if (m_layers.empty() || m_layers.back().simulation != block.simulation) {
            m_layers.push_back(
                {block.simulation, m_layers.empty() ? NameTable() : m_layers.back().input});
        }
        NameCollector collector(m_layers.back().input, std::string());
        for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
            collector.Collect(m_model, m_model.statements[index]);
        }
    }
    const auto after =
        std::upper_bound(m_layers.begin(), m_layers.end(), simulation,
                         [](int wanted, const Layer& layer) { return wanted < layer.simulation; });
    return {m_database, after == m_layers.begin() ? nullptr : &(after - 1)->input};
}

} // namespace vxcheck
