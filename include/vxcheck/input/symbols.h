// Every place where an input names something: a phase, species, element, rate, exchange or
// surface master species, or a numbered entity (SOLUTION 1, USE solution 1, MIX rows), each a
// definition or a reference. For navigation, renaming and highlighting.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/input/fields.h>
#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace vxcheck {

// What kind of thing an occurrence names; names of one space refer to each other.
enum class SymbolSpace {
    Element, // elements, valence states, exchange and surface master species ("Ca", "X")
    Species, // aqueous, master, exchange and surface species ("Ca+2", "CaX2")
    Phase,   // phases and gases ("Calcite")
    Rate,    // rates of RATES and KINETICS
    Entity,  // a numbered entity: solution, equilibrium_phases, mix, ...
};

// The kinds of numbered entities, as the blocks that define them are named.
enum class EntityKind {
    Solution,
    EquilibriumPhases,
    Exchange,
    Surface,
    GasPhase,
    SolidSolutions,
    Kinetics,
    Mix,
    Reaction,
    ReactionTemperature,
    ReactionPressure,
    Cell, // a cell of DELETE, DUMP, COPY and RUN_CELLS: every entity of that number
};

struct SymbolOccurrence {
    std::size_t begin = 0; // input bytes [begin, end)
    std::size_t end = 0;
    SymbolSpace space = SymbolSpace::Element;
    NameKind kind = NameKind::Element; // the most precise kind known (names only)
    EntityKind entity = EntityKind::Solution;
    int first = 0; // an entity's numbers [first, last]
    int last = 0;
    bool definition = false;
    std::string_view name; // the name as written (the number's text for entities)
    std::size_t statement = 0;
};

// The occurrences of an input, in input order, and the field kind of each word of the indexed
// statements, which finding the names needs and highlighting reads again.
struct SymbolIndex {
    std::vector<SymbolOccurrence> occurrences;
    // ClassifyFields of the indexed statements, their words' kinds one after another in the
    // model's word order; firstWord is the model word that fields[0] belongs to.
    std::vector<FieldKind> fields;
    std::size_t firstWord = 0;

    // The field kinds of the words of model.statements[statement], as ClassifyFields gives them;
    // empty for a statement that the index does not cover.
    VXCHECK_API std::span<const FieldKind> FieldsOf(const InputModel& model,
                                                    std::size_t statement) const;

    // The occurrence whose bytes hold offset (its end included), or null.
    VXCHECK_API const SymbolOccurrence* At(std::size_t offset) const;
    // Every occurrence that names what occurrence names (itself included), in input order:
    // the same name in the same space (letter case ignored where PHREEQC ignores it), or an
    // entity of the same kind whose numbers include occurrence's first number.
    VXCHECK_API std::vector<const SymbolOccurrence*>
    Related(const SymbolOccurrence& occurrence) const;
};

// Whether two names of a space are the same name to PHREEQC.
VXCHECK_API bool SameName(SymbolSpace space, std::string_view a, std::string_view b);

// Indexes the model's input. Time linear in the input's size.
VXCHECK_API SymbolIndex IndexSymbols(const InputModel& model);
// Indexes statements [first, end) of the model only, such as one block's.
VXCHECK_API SymbolIndex IndexSymbols(const InputModel& model, std::size_t first, std::size_t end);

} // namespace vxcheck
