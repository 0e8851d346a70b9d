// The rate programs of a text's RATES blocks, each under its rate's name, as the tests and the
// benchmarks take them from PHREEQC's databases.
#pragma once

#include <vxcheck/input/model.h>

#include <string>
#include <vector>

namespace vxcheck::testing {

struct RateProgram {
    std::string name;
    std::vector<std::string> lines;
};

inline std::vector<RateProgram> RatePrograms(const std::string& text) {
    const InputModel model = ReadInput(text);
    std::vector<RateProgram> programs;
    for (const InputBlock& block : model.blocks) {
        if (block.name != "rates") {
            continue;
        }
        bool expectName = true;
        for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
            const InputStatement& statement = model.statements[index];
            if (statement.kind == StatementKind::Option) {
                expectName = expectName || statement.option == "end";
            } else if (expectName) {
                programs.push_back({std::string(statement.text), {}});
                expectName = false;
            } else if (statement.kind == StatementKind::Data) {
                programs.back().lines.emplace_back(statement.text);
            }
        }
    }
    return programs;
}

} // namespace vxcheck::testing
