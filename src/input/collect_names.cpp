// The statements of defining blocks as the name table takes them: an option line carries its
// option (or, when no table holds it, its own word), so that it is never taken for a definition.
#include "input/collect_names.h"

#include "input/keywords.h"

namespace vxcheck {

bool DefinesNames(std::string_view block) {
    return block == "solution_master_species" || block == "solution_species" || block == "phases" ||
           block == "exchange_master_species" || block == "exchange_species" ||
           block == "surface_master_species" || block == "surface_species" || block == "rates";
}

void NameCollector::Collect(const InputModel& model, const InputStatement& statement) {
    if (statement.block < 0 || statement.kind == StatementKind::Keyword ||
        statement.kind == StatementKind::Include) {
        return;
    }
    const std::string_view block = model.blocks[static_cast<std::size_t>(statement.block)].name;
    if (statement.block != m_block || &model != m_model) {
        m_block = statement.block;
        m_model = &model;
        m_names.BeginBlock(block);
    }
    m_words.clear();
    for (std::size_t word = 0; word < statement.words.size(); ++word) {
        m_words.push_back(statement.Word(word));
    }
    m_option = statement.kind != StatementKind::Option ? std::string()
               : !statement.option.empty()             ? std::string(statement.option)
                                                       : LowerWord(statement.Word(0));
    const int line = model.PlaceOf(statement.OffsetOf(0)).line;
    m_names.Collect({block, m_option, m_words, {m_file, line}});
}

} // namespace vxcheck
