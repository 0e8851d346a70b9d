// The names that a PHREEQC run knows: those its database defines and those the input defines
// itself, each with where it was defined. Definitions are added in reading order (database
// first, then the input's blocks); a later definition of a name replaces the earlier one.
#pragma once

#include <vxcheck/export.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck {

enum class NameKind {
    Element,         // "Ca", "Alkalinity" (from SOLUTION_MASTER_SPECIES)
    ValenceState,    // "Fe(2)", "S(6)" (from SOLUTION_MASTER_SPECIES)
    MasterSpecies,   // "Ca+2", "Fe+2" (from SOLUTION_MASTER_SPECIES)
    AqueousSpecies,  // "CaCO3", "Fe+3" (from SOLUTION_SPECIES)
    Phase,           // "Calcite", "CO2(g)" (from PHASES; every exchange species is one too)
    ExchangeMaster,  // "X" (from EXCHANGE_MASTER_SPECIES)
    ExchangeSpecies, // "NaX" (from EXCHANGE_SPECIES)
    SurfaceMaster,   // "Hfo_w" (from SURFACE_MASTER_SPECIES)
    SurfaceSpecies,  // "Hfo_wOH2+" (from SURFACE_SPECIES)
    Rate,            // "Calcite" (from RATES)
};
inline constexpr std::size_t kNameKinds = 10;

// Where a name was defined: the file (empty for the input being read) and 0-based line.
struct NameOrigin {
    std::string file;
    int line = 0;
};

struct NameEntry {
    std::string name; // as defined
    NameKind kind = NameKind::Element;
    NameOrigin origin;
    std::string formula;  // a phase's formula; an element's, valence state's, exchange or
                          // surface master's master species; a master species' element
    std::string reaction; // the defining reaction, its words joined by one blank, when there is one
    // The lines that give the reaction's log K and its change with temperature (log_k, delta_h,
    // analytical_expression and their other spellings), as written, words joined by one blank.
    std::vector<std::string> constants{};
};

// A statement of a block, as the input reader classified it, handed to NameTable::Collect.
struct BlockStatement {
    std::string_view block;                  // lower-case block name, such as "phases"
    std::string_view option;                 // lower-case option name when an option line, else ""
    std::span<const std::string_view> words; // the statement's words, the option word included
    NameOrigin origin;
};

class VXCHECK_API NameTable {
  public:
    NameTable();
    ~NameTable();
    NameTable(const NameTable& other);
    NameTable& operator=(const NameTable& other);
    NameTable(NameTable&&) noexcept;
    NameTable& operator=(NameTable&&) noexcept;

    // Takes what a statement of a defining block (SOLUTION_MASTER_SPECIES, SOLUTION_SPECIES,
    // PHASES, EXCHANGE_MASTER_SPECIES, EXCHANGE_SPECIES, SURFACE_MASTER_SPECIES,
    // SURFACE_SPECIES, RATES) defines; statements of other blocks are ignored. Call it for each
    // statement after the keyword line, in order; BeginBlock before the first of each block.
    void BeginBlock(std::string_view block);
    void Collect(const BlockStatement& statement);

    // Adds one name directly.
    void Add(NameEntry entry);

    // The entry of a name of a kind, or null: found without regard to the case of letters where
    // PHREEQC itself ignores it (elements, valence states, phases, rates), else by exact spelling.
    // An element or valence state is looked up as PHREEQC does, "Fe(+3)" as "Fe(3)".
    const NameEntry* Find(NameKind kind, std::string_view name) const;
    // Every name of a kind, in definition order.
    std::vector<const NameEntry*> All(NameKind kind) const;
    // The entries of every kind that name has, in the order of NameKind.
    std::vector<const NameEntry*> FindAny(std::string_view name) const;
    // The valence states of an element ("Fe(2)" and "Fe(3)" of "Fe"), in definition order.
    std::vector<const NameEntry*> ValenceStates(std::string_view element) const;
    // The closest name of a kind to a misspelt one, when one is clearly meant; else nullopt.
    std::optional<std::string> Suggest(NameKind kind, std::string_view name) const;
    // Whether anything was defined at all (false for a table of a database that was not read).
    bool Empty() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The names that a database file defines, read from its bytes as stored (CR LF, byte 26 and
// INCLUDE$ lines as PHREEQC takes them; INCLUDE$ files are looked up beside file).
VXCHECK_API NameTable ReadDatabaseNames(std::string_view bytes, const std::string& file);

struct InputModel;
// The names that an input's own blocks define (file "" in their origins), in reading order:
// CollectDefinitionsBefore (definitions.h) up to the input's end.
VXCHECK_API NameTable InputNames(const InputModel& model);

} // namespace vxcheck
