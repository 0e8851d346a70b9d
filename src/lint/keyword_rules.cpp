// Misspelt keywords and lines that no block reads: where PHREEQC finds no data line can stand,
// a word close to a keyword is taken for a misspelt keyword.
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include <algorithm>
#include <string>

namespace vxcheck {
namespace {

// Blocks whose readers take only options up to their first option line: a data line right
// after the keyword line is "Unknown input" to PHREEQC.
constexpr std::string_view kOptionFirstBlocks[] = {"advection",
                                                   "delete",
                                                   "dump",
                                                   "inverse_modeling",
                                                   "knobs",
                                                   "llnl_aqueous_model_parameters",
                                                   "pitzer",
                                                   "print",
                                                   "run_cells",
                                                   "selected_output",
                                                   "sit",
                                                   "transport",
                                                   "solution_raw",
                                                   "exchange_raw",
                                                   "equilibrium_phases_raw",
                                                   "solid_solutions_raw",
                                                   "gas_phase_raw",
                                                   "reaction_raw",
                                                   "reaction_temperature_raw",
                                                   "reaction_pressure_raw",
                                                   "solution_modify",
                                                   "equilibrium_phases_modify",
                                                   "exchange_modify",
                                                   "surface_modify",
                                                   "solid_solutions_modify",
                                                   "gas_phase_modify",
                                                   "kinetics_modify",
                                                   "reaction_modify",
                                                   "reaction_temperature_modify",
                                                   "reaction_pressure_modify"};

// Blocks whose every data line begins with a number (a cell number, a temperature, ...).
constexpr std::string_view kNumberLineBlocks[] = {"mix",
                                                  "mix_raw",
                                                  "reaction_temperature",
                                                  "reaction_pressure",
                                                  "solution_mix",
                                                  "exchange_mix",
                                                  "gas_phase_mix",
                                                  "kinetics_mix",
                                                  "equilibrium_phases_mix",
                                                  "solid_solutions_mix",
                                                  "surface_mix"};

bool IsIn(std::span<const std::string_view> list, std::string_view block) {
    return std::find(list.begin(), list.end(), block) != list.end();
}

// Whether a word may begin a number as PHREEQC reads one ("inf" and "nan" included).
bool MayBeNumber(std::string_view word) {
    const char first = word.front();
    if ((first >= '0' && first <= '9') || first == '+' || first == '-' || first == '.') {
        return true;
    }
    std::string lower(word.substr(0, 3));
    for (char& ch : lower) {
        ch = static_cast<char>(ch | 0x20);
    }
    return lower == "inf" || lower == "nan";
}

std::string KeywordMessage(std::string_view word, std::string_view keyword) {
    return "Unknown keyword " + std::string(word) + "; did you mean " + UpperWord(keyword) + "?";
}

// A line outside any block: PHREEQC warns once and skips up to the next keyword. Only a word
// close to a keyword is reported: free text there (a table before the first keyword, notes
// after the last END) is common and harmless; see docs/decisions.md.
void CheckOutside(LintContext& context, std::size_t index) {
    const InputStatement& statement = context.Model().statements[index];
    if (std::optional<std::string_view> keyword = ClosestKeyword(statement.Word(0))) {
        context.ReportWord(statement, 0, Severity::Warning, "unknown-keyword",
                           KeywordMessage(statement.Word(0), *keyword) +
                               " PHREEQC skips the lines up to the next keyword.");
    }
    context.SilenceRestOfBlock(index);
}

// A data line in a block that cannot read it.
void CheckData(LintContext& context, std::size_t index, const InputBlock& block) {
    const InputStatement& statement = context.Model().statements[index];
    const std::string blockName = UpperWord(block.name);
    if (IsIn(kOptionFirstBlocks, block.name) && index == block.keyword + 1) {
        if (std::optional<std::string_view> keyword = ClosestKeyword(statement.Word(0))) {
            context.ReportWord(statement, 0, Severity::Error, "unknown-keyword",
                               KeywordMessage(statement.Word(0), *keyword));
        } else {
            context.Report(statement, 0, statement.text.size(), Severity::Error, "unexpected-data",
                           blockName + " reads option lines here (\"-name value\"); PHREEQC "
                                       "cannot read this line.");
        }
        context.SilenceRestOfBlock(index);
    } else if (IsIn(kNumberLineBlocks, block.name) && !MayBeNumber(statement.Word(0))) {
        if (std::optional<std::string_view> keyword = ClosestKeyword(statement.Word(0))) {
            context.ReportWord(statement, 0, Severity::Error, "unknown-keyword",
                               KeywordMessage(statement.Word(0), *keyword));
            context.SilenceRestOfBlock(index);
        } else {
            context.ReportWord(statement, 0, Severity::Error, "expected-number",
                               blockName + " expects a number here, not " +
                                   std::string(statement.Word(0)) + ".");
        }
    }
}

} // namespace

void CheckKeywords(LintContext& context) {
    const InputModel& model = context.Model();
    for (std::size_t index = 0; index < model.statements.size(); ++index) {
        const InputStatement& statement = model.statements[index];
        if (context.Silenced(index) || statement.kind == StatementKind::Keyword ||
            statement.kind == StatementKind::Include) {
            continue;
        }
        if (statement.block < 0) {
            CheckOutside(context, index);
        } else if (statement.kind == StatementKind::Data) {
            CheckData(context, index, model.blocks[static_cast<std::size_t>(statement.block)]);
        }
    }
}

} // namespace vxcheck
