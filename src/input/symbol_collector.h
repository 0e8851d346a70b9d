// Building a symbol index: occurrences are added statement by statement, words placed in the
// input through their statement.
#pragma once

#include <vxcheck/input/model.h>
#include <vxcheck/input/symbols.h>

#include <cstddef>
#include <string_view>

namespace vxcheck {

class SymbolCollector {
  public:
    explicit SymbolCollector(const InputModel& model) : m_model(model) {}

    // Room for about one occurrence a statement.
    void Reserve(std::size_t statements) { m_index.occurrences.reserve(statements); }

    // Bytes [begin, end) of statement's text as a name.
    void AddName(std::size_t statement, std::size_t begin, std::size_t end, SymbolSpace space,
                 NameKind kind, bool definition);
    // A whole word of a statement as a name.
    void AddWord(std::size_t statement, std::size_t word, SymbolSpace space, NameKind kind,
                 bool definition);
    // A word "3" or "1-5" as entity numbers; false (nothing added) when it is not one.
    bool AddEntity(std::size_t statement, std::size_t word, EntityKind entity, bool definition);

    const InputModel& Model() const { return m_model; }
    SymbolIndex Take() { return std::move(m_index); }

  private:
    const InputModel& m_model;
    SymbolIndex m_index;
};

// The entity numbers of statement index: keyword numbers, USE, SAVE, COPY, DELETE, DUMP,
// RUN_CELLS, MIX rows and the solutions that other entities name.
void CollectEntityNumbers(SymbolCollector& collector, std::size_t index);

} // namespace vxcheck
