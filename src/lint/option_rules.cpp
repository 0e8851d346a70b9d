// Option lines that no reader of their block knows. PHREEQC stops with an error on them in
// every block it reads; it skips USER_GRAPH unread (only its graphing builds read the
// options), and the component readers of RAW and MODIFY blocks pass over a line they and
// their openers do not know.
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include <vxcheck/phreeqc3.h>

#include <string>

namespace vxcheck {
namespace {

std::string UnknownOptionMessage(std::string_view word, std::string_view where,
                                 std::span<const std::string_view> options) {
    std::string message = "Unknown option " + std::string(word) + " in " + std::string(where);
    if (std::optional<std::string_view> option = ClosestWord(word.substr(1), options)) {
        message += "; did you mean -" + std::string(*option) + "?";
    } else {
        message += ".";
    }
    return message;
}

void CheckOption(LintContext& context, const InputStatement& statement, const InputBlock& block) {
    const std::span<const std::string_view> options = Phreeqc3OptionsOf(block.name);
    const std::string where = UpperWord(block.name);
    const std::string_view word = statement.Word(0);
    if (block.name == "title" || statement.reader == "isotope") {
        return; // TITLE's lines are text; the isotope reader's own checks are stricter than ours
    }
    if (options.empty()) {
        context.ReportWord(statement, 0, Severity::Error, "unknown-option",
                           where + " takes no options; PHREEQC cannot read " + std::string(word) +
                               " here.");
    } else if (block.name == "user_graph") {
        context.ReportWord(statement, 0, Severity::Warning, "unknown-option",
                           UnknownOptionMessage(word, where, options) +
                               " PHREEQC's graphing builds reject it.");
    } else if (Phreeqc3OptionsOf(statement.reader).empty() && statement.reader != block.name) {
        context.ReportWord(statement, 0, Severity::Warning, "unknown-option",
                           UnknownOptionMessage(word, where, options) +
                               " PHREEQC passes over it without reading it.");
    } else {
        context.ReportWord(statement, 0, Severity::Error, "unknown-option",
                           UnknownOptionMessage(word, where, options));
    }
}

} // namespace

void CheckOptions(LintContext& context) {
    const InputModel& model = context.Model();
    for (std::size_t index = 0; index < model.statements.size(); ++index) {
        const InputStatement& statement = model.statements[index];
        if (statement.kind == StatementKind::Option && statement.option.empty() &&
            statement.block >= 0 && !context.Silenced(index)) {
            CheckOption(context, statement,
                        model.blocks[static_cast<std::size_t>(statement.block)]);
        }
    }
}

} // namespace vxcheck
