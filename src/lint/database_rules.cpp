// The DATABASE line: PHREEQC accepts it only as the input's first keyword, with a file name.
#include "lint/lint_context.h"

namespace vxcheck {

void CheckDatabaseLines(LintContext& context) {
    const InputModel& model = context.Model();
    for (std::size_t index = 0; index < model.blocks.size(); ++index) {
        const InputBlock& block = model.blocks[index];
        if (block.name != "database") {
            continue;
        }
        const InputStatement& statement = model.statements[block.keyword];
        if (index > 0) {
            context.ReportWord(statement, 0, Severity::Error, "database-not-first",
                               "DATABASE must be the first keyword in the input file.");
        } else if (statement.words.size() < 2) {
            context.ReportWord(statement, 0, Severity::Error, "database-name-missing",
                               "DATABASE file name is missing.");
        }
    }
}

} // namespace vxcheck
