// The names a run knows at each simulation: the database's, and those the input defines in that
// simulation and the ones before it. PHREEQC reads a whole simulation before it runs it, so a
// name defined after its use in the same simulation is known. One per lint, shared by the rule
// families: the database's table is never copied, the input's definitions are kept apart.
#pragma once

#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>

#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace vxcheck {

// The names known at one simulation, answered as one table holding the database's names and then
// the input's definitions would answer: an input's definition replaces the database's.
class KnownNames {
  public:
    KnownNames(const NameTable& database, const NameTable* input)
        : m_database(&database), m_input(input) {}

    const NameEntry* Find(NameKind kind, std::string_view name) const;
    std::optional<std::string> Suggest(NameKind kind, std::string_view name) const;

  private:
    const NameTable* m_database;
    const NameTable* m_input; // null before the input defines anything
};

class SimulationNames {
  public:
    SimulationNames(const InputModel& model, const NameTable& database)
        : m_model(model), m_database(database) {}

    // The names known while simulation runs, asked for in any order. What it refers to lives as
    // long as this object.
    KnownNames Through(int simulation);

  private:
    // The input's definitions through a simulation that defines names.
    struct Layer {
        int simulation = 0;
        NameTable input;
    };

    const InputModel& m_model;
    const NameTable& m_database;
    std::deque<Layer> m_layers;  // in simulation order; a deque keeps them in place as it grows
    std::size_t m_nextBlock = 0; // the first block whose definitions are not in a layer yet
};

} // namespace vxcheck
