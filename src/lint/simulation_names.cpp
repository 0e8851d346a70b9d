// Adding the input's definitions to the database's names, simulation by simulation.
#include "lint/simulation_names.h"

namespace vxcheck {
const NameTable& SimulationNames::Through(int simulation) {
    while (m_nextBlock < m_model.blocks.size() &&
           m_model.blocks[m_nextBlock].simulation <= simulation) {
        const InputBlock& block = m_model.blocks[m_nextBlock++];
        if (!DefinesNames(block.name)) {
            continue;
        }
        if (!m_own) {
            m_own.emplace(m_database); // copied only for an input that defines names
            m_collector.emplace(*m_own, std::string());
        }
        for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
            m_collector->Collect(m_model, m_model.statements[index]);
        }
    }
    return m_own ? *m_own : m_database;
}

} // namespace vxcheck
