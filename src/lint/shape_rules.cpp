// Numbers where PHREEQC reads a number: a word there that does not begin with one stops PHREEQC
// with an error ("Expected saturation index."). PHREEQC reads the number at the start of the
// word and ignores the rest ("7.0abc" is 7), so only a word with no number at its start is
// reported.
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include <cstdlib>
#include <string>

namespace vxcheck {
namespace {

// Where a number must stand: the word of a block's data lines (option "") or of an option line.
struct NumberField {
    std::string_view block;
    std::string_view option;
    std::size_t word;
    std::string_view what;
};

constexpr NumberField kFields[] = {
    {"equilibrium_phases", "", 1, "a saturation index"},
    {"gas_phase", "", 1, "a partial pressure"},
    {"solution", "", 1, "a concentration"},
    {"solution", "ph", 1, "a pH"},
    {"solution", "pe", 1, "a pe"},
    {"solution", "density", 1, "a density"},
    {"solution", "water", 1, "a mass of water"},
    {"kinetics", "m0", 1, "initial moles"},
    {"kinetics", "m", 1, "moles"},
    {"mix", "", 1, "a mixing fraction"},
};

bool BeginsNumber(std::string_view word) {
    if (word.front() >= '0' && word.front() <= '9') {
        return true; // the common case, without a copy
    }
    const std::string text(word);
    char* end = nullptr;
    (void)std::strtod(text.c_str(), &end);
    return end != text.c_str();
}

} // namespace

void CheckNumbers(LintContext& context) {
    const InputModel& model = context.Model();
    for (std::size_t index = 0; index < model.statements.size(); ++index) {
        const InputStatement& statement = model.statements[index];
        // An option no reader knows (option "") is the option rules' to report.
        const bool option = statement.kind == StatementKind::Option;
        if (statement.block < 0 || context.Silenced(index) ||
            (statement.kind != StatementKind::Data && !option) ||
            (option && statement.option.empty())) {
            continue;
        }
        const std::string_view block = model.blocks[static_cast<std::size_t>(statement.block)].name;
        for (const NumberField& field : kFields) {
            if (field.block != block || field.option != statement.option ||
                field.word >= statement.words.size() || BeginsNumber(statement.Word(field.word))) {
                continue;
            }
            context.ReportWord(statement, field.word, Severity::Error, "expected-number",
                               UpperWord(block) + " expects " + std::string(field.what) +
                                   " after " + std::string(statement.Word(0)) + ", not " +
                                   std::string(statement.Word(field.word)) + ".");
        }
    }
}

} // namespace vxcheck
