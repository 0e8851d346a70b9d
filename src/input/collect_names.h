// Handing the statements of an input model to a name table, for the database and the input alike.
#pragma once

#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>

#include <string>
#include <string_view>
#include <vector>

namespace vxcheck {

// Whether statements of a block define names: SOLUTION_MASTER_SPECIES, SOLUTION_SPECIES,
// PHASES, the EXCHANGE_ and SURFACE_ master species and species blocks, RATES.
bool DefinesNames(std::string_view block);

class NameCollector {
  public:
    NameCollector(NameTable& names, std::string file) : m_names(names), m_file(std::move(file)) {}

    // Hands a statement (after its block's keyword statement) to the table, opening the block
    // with BeginBlock when it is the first of its block handed over.
    void Collect(const InputModel& model, const InputStatement& statement);

  private:
    NameTable& m_names;
    std::string m_file;
    int m_block = -1;
    const InputModel* m_model = nullptr;
    std::string m_option;
    std::vector<std::string_view> m_words;
};

} // namespace vxcheck
