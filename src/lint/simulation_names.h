// The names a run knows at each simulation: the database's, and those the input defines in that
// simulation and the ones before it. PHREEQC reads a whole simulation before it runs it, so a
// name defined after its use in the same simulation is known.
#pragma once

#include "input/collect_names.h"

#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>

#include <cstddef>
#include <optional>

namespace vxcheck {

class SimulationNames {
  public:
    SimulationNames(const InputModel& model, const NameTable& database)
        : m_model(model), m_database(database) {}

    // The names known while simulation runs. Ask for simulations in increasing order: the
    // input's definitions are added as the simulations are reached.
    const NameTable& Through(int simulation);

  private:
    const InputModel& m_model;
    const NameTable& m_database;
    std::optional<NameTable> m_own; // the database's names and the input's, once it defines any
    std::optional<NameCollector> m_collector;
    std::size_t m_nextBlock = 0; // the first block whose definitions are not added yet
};

} // namespace vxcheck
