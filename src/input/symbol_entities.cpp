// Entity numbers: which blocks define numbered entities, and where USE, SAVE, COPY, DELETE,
// DUMP, RUN_CELLS, MIX rows and -equilibrate name them. A _MODIFY block changes an entity that
// exists, so its number is a reference; SAVE and a COPY's target make the entity they name.
#include "input/keywords.h"
#include "input/symbol_collector.h"

#include <optional>
#include <string_view>

namespace vxcheck {
namespace {

struct EntityName {
    std::string_view block;
    EntityKind entity;
};

// The blocks that own each kind of entity, as KeywordBlock names them.
constexpr EntityName kEntities[] = {
    {"solution", EntityKind::Solution},
    {"equilibrium_phases", EntityKind::EquilibriumPhases},
    {"exchange", EntityKind::Exchange},
    {"surface", EntityKind::Surface},
    {"gas_phase", EntityKind::GasPhase},
    {"solid_solutions", EntityKind::SolidSolutions},
    {"kinetics", EntityKind::Kinetics},
    {"mix", EntityKind::Mix},
    {"reaction", EntityKind::Reaction},
    {"reaction_temperature", EntityKind::ReactionTemperature},
    {"reaction_pressure", EntityKind::ReactionPressure},
};

// The options of DELETE and DUMP that name entities, as their option tables spell them.
constexpr EntityName kOptionEntities[] = {
    {"solution", EntityKind::Solution},
    {"solutions", EntityKind::Solution},
    {"pp_assemblage", EntityKind::EquilibriumPhases},
    {"pp_assemblages", EntityKind::EquilibriumPhases},
    {"equilibrium_phase", EntityKind::EquilibriumPhases},
    {"equilibrium_phases", EntityKind::EquilibriumPhases},
    {"exchange", EntityKind::Exchange},
    {"surface", EntityKind::Surface},
    {"ss_assemblage", EntityKind::SolidSolutions},
    {"solid_solution", EntityKind::SolidSolutions},
    {"solid_solutions", EntityKind::SolidSolutions},
    {"gas_phase", EntityKind::GasPhase},
    {"gas_phases", EntityKind::GasPhase},
    {"kinetics", EntityKind::Kinetics},
    {"mix", EntityKind::Mix},
    {"reaction", EntityKind::Reaction},
    {"reactions", EntityKind::Reaction},
    {"temperature", EntityKind::ReactionTemperature},
    {"reaction_temperature", EntityKind::ReactionTemperature},
    {"reaction_temperatures", EntityKind::ReactionTemperature},
    {"pressure", EntityKind::ReactionPressure},
    {"reaction_pressure", EntityKind::ReactionPressure},
    {"reaction_pressures", EntityKind::ReactionPressure},
    {"cell", EntityKind::Cell},
    {"cells", EntityKind::Cell},
};

template <std::size_t N>
std::optional<EntityKind> Lookup(const EntityName (&table)[N], std::string_view name) {
    for (const EntityName& row : table) {
        if (row.block == name) {
            return row.entity;
        }
    }
    return std::nullopt;
}

// The entity a block's keyword numbers, and whether the block makes it (SOLUTION, _RAW, _MIX)
// rather than changes it (_MODIFY).
std::optional<EntityKind> BlockEntity(std::string_view block, bool& definition) {
    definition = true;
    for (std::string_view suffix : {"_raw", "_mix", "_modify"}) {
        if (block.ends_with(suffix) && block != "mix") {
            definition = suffix != "_modify";
            block.remove_suffix(suffix.size());
            break;
        }
    }
    return Lookup(kEntities, block);
}

// The entity that the word after USE, SAVE or COPY names: a keyword spelling, or a cell.
std::optional<EntityKind> NamedEntity(std::string_view word) {
    const std::string lower = LowerWord(word);
    if (lower == "cell" || lower == "cells") {
        return EntityKind::Cell;
    }
    bool definition = false;
    std::optional<EntityKind> entity = BlockEntity(KeywordBlock(lower), definition);
    return definition ? entity : std::nullopt;
}

// INVERSE_MODELING -solutions, and -equilibrate of the blocks that a solution equilibrates.
bool NamesSolutions(std::string_view block, std::string_view option) {
    if (block == "inverse_modeling") {
        return option == "solutions";
    }
    return (block == "exchange" || block == "surface" || block == "gas_phase" ||
            block == "solid_solutions") &&
           option.starts_with("equil");
}

void CollectKeywordLine(SymbolCollector& collector, std::size_t index, std::string_view block) {
    const InputStatement& statement = collector.Model().statements[index];
    const std::size_t count = statement.words.size();
    if (block == "use" || block == "save" || block == "copy") {
        const std::optional<EntityKind> entity =
            count > 2 ? NamedEntity(statement.Word(1)) : std::nullopt;
        if (entity) {
            collector.AddEntity(index, 2, *entity, block == "save");
            if (block == "copy" && count > 3) {
                collector.AddEntity(index, 3, *entity, true);
            }
        }
        return;
    }
    bool definition = false;
    if (const std::optional<EntityKind> entity = BlockEntity(block, definition);
        entity && count > 1) {
        collector.AddEntity(index, 1, *entity, definition);
    }
}

} // namespace

void CollectEntityNumbers(SymbolCollector& collector, std::size_t index) {
    const InputModel& model = collector.Model();
    const InputStatement& statement = model.statements[index];
    if (statement.block < 0 || statement.words.empty()) {
        return;
    }
    const std::string_view block = model.blocks[static_cast<std::size_t>(statement.block)].name;
    if (statement.kind == StatementKind::Keyword) {
        CollectKeywordLine(collector, index, block);
        return;
    }
    if (statement.kind == StatementKind::Option) {
        std::optional<EntityKind> entity;
        if (block == "delete" || block == "dump" || block == "run_cells") {
            entity = Lookup(kOptionEntities, statement.option);
        } else if (NamesSolutions(block, statement.option)) {
            entity = EntityKind::Solution;
        }
        for (std::size_t word = 1; entity && word < statement.words.size(); ++word) {
            collector.AddEntity(index, word, *entity, false);
        }
        return;
    }
    // A mixing row names the entity mixed first: "1 0.5" of MIX, of EXCHANGE_MIX.
    if (statement.kind == StatementKind::Data && (block == "mix" || block.ends_with("_mix"))) {
        bool definition = false;
        if (const std::optional<EntityKind> entity =
                block == "mix" ? EntityKind::Solution : BlockEntity(block, definition)) {
            collector.AddEntity(index, 0, *entity, false);
        }
    }
}

} // namespace vxcheck
