// Misspelt keywords and lines that no block reads: where PHREEQC finds no data line can stand,
// a word close to a keyword is taken for a misspelt keyword.
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include "input/keywords.h"

#include <vxcheck/phreeqc3.h>

#include <algorithm>
#include <iterator>
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

// Blocks whose options never take a further line: any data line is "Unknown input".
constexpr std::string_view kOptionOnlyBlocks[] = {"knobs", "print"};

// Blocks whose data lines are all BASIC program lines, each beginning with its number.
constexpr std::string_view kBasicBlocks[] = {"user_print", "user_punch", "user_graph"};

// Blocks whose data lines are reactions, checked by the reaction rules.
constexpr std::string_view kReactionBlocks[] = {"solution_species", "exchange_species",
                                                "surface_species", "phases"};

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

// A line outside any block: PHREEQC warns once and skips up to the next keyword. Only a word
// close to a keyword is reported: free text there (a table before the first keyword, notes
// after the last END) is common and harmless; see docs/decisions.md.
void CheckOutside(LintContext& context, std::size_t index) {
    const InputStatement& statement = context.Model().statements[index];
    if (std::optional<std::string_view> keyword = context.MisspeltKeyword(statement.Word(0))) {
        context.ReportWord(statement, 0, Severity::Warning, "unknown-keyword",
                           UnknownKeywordMessage(statement.Word(0), *keyword) +
                               " PHREEQC skips the lines up to the next keyword.");
    }
    context.SilenceFrom(index);
}

// Whether word may name an element or valence state as PHREEQC reads one: a capital, then
// lower-case letters or "_" ("Ca", "Hfo_w", "Alkalinity"), or an isotope in brackets, with an
// optional valence in parentheses ("Fe(3)", "[13C](4)").
bool MayBeElement(std::string_view word) {
    std::size_t at = 0;
    if (!word.empty() && word[0] == '[') {
        at = word.find(']');
        if (at == std::string_view::npos) {
            return false;
        }
        ++at;
    } else if (!word.empty() && word[0] >= 'A' && word[0] <= 'Z') {
        for (at = 1; at < word.size() && ((word[at] >= 'a' && word[at] <= 'z') || word[at] == '_');
             ++at) {
        }
    } else {
        return false;
    }
    return at == word.size() || (word[at] == '(' && word.back() == ')');
}

// How many lines after a word like a keyword are searched for a sign of the block it meant.
constexpr std::size_t kEvidenceLines = 12;

// Whether word selects an option of options, dashed (by prefix) or dashless (whole).
bool SelectsOption(std::span<const std::string_view> options, std::string_view word) {
    return IsOptionWord(word)
               ? !MatchOption(options, word.substr(1)).empty()
               : std::find(options.begin(), options.end(), LowerWord(word)) != options.end();
}

// Whether a statement after index in its block reads as an option of the block that a misspelt
// keyword meant and not as one of the block it stands in: the sign that the block was meant.
bool LaterLineFits(const InputModel& model, std::size_t index, const InputBlock& current,
                   std::string_view meant) {
    const std::span<const std::string_view> meantOptions = Phreeqc3OptionsOf(meant);
    const std::span<const std::string_view> currentOptions = Phreeqc3OptionsOf(current.name);
    const std::size_t end = std::min(current.end, index + 1 + kEvidenceLines);
    for (std::size_t next = index + 1; next < end; ++next) {
        const std::string_view word = model.statements[next].Word(0);
        if (SelectsOption(meantOptions, word) && !SelectsOption(currentOptions, word)) {
            return true;
        }
    }
    return false;
}

// Whether a line's words after the first are what USE, SAVE or COPY take ("solution 1",
// "cell 1 101"): the sign that a misspelt one of these was meant.
bool ArgumentsFit(const InputStatement& statement, std::string_view meant) {
    static constexpr std::string_view kEntities[] = {"solution",
                                                     "equilibrium_phases",
                                                     "exchange",
                                                     "surface",
                                                     "gas_phase",
                                                     "kinetics",
                                                     "solid_solutions",
                                                     "reaction",
                                                     "mix",
                                                     "reaction_temperature",
                                                     "reaction_pressure",
                                                     "cell"};
    if ((meant != "use" && meant != "save" && meant != "copy") || statement.words.size() < 3) {
        return false;
    }
    const std::string entity = LowerWord(statement.Word(1));
    const char digit = statement.Word(2).front();
    return std::find(std::begin(kEntities), std::end(kEntities), entity) != std::end(kEntities) &&
           digit >= '0' && digit <= '9';
}

void ReportKeyword(LintContext& context, std::size_t index, Severity severity,
                   std::string_view keyword) {
    const InputStatement& statement = context.Model().statements[index];
    context.ReportWord(statement, 0, severity, "unknown-keyword",
                       UnknownKeywordMessage(statement.Word(0), keyword));
    context.SilenceFrom(index);
}

// A data line that the block cannot read at all: PHREEQC stops with an error.
void ReportUnreadable(LintContext& context, std::size_t index, const InputBlock& block) {
    const InputStatement& statement = context.Model().statements[index];
    if (std::optional<std::string_view> keyword = context.MisspeltKeyword(statement.Word(0))) {
        ReportKeyword(context, index, Severity::Error, *keyword);
        return;
    }
    context.Report(statement, 0, statement.text.size(), Severity::Error, "unexpected-data",
                   UpperWord(block.name) +
                       " reads option lines here (\"-name value\"); PHREEQC cannot read this "
                       "line.");
    context.SilenceFrom(index);
}

// A data line in a block.
void CheckData(LintContext& context, std::size_t index, const InputBlock& block) {
    const InputStatement& statement = context.Model().statements[index];
    const std::string_view word = statement.Word(0);
    if ((IsIn(kOptionFirstBlocks, block.name) && index == block.keyword + 1) ||
        IsIn(kOptionOnlyBlocks, block.name)) {
        ReportUnreadable(context, index, block);
        return;
    }
    if (IsIn(kNumberLineBlocks, block.name) && !MayBeNumber(word)) {
        if (std::optional<std::string_view> keyword = context.MisspeltKeyword(word)) {
            ReportKeyword(context, index, Severity::Error, *keyword);
        } else {
            context.ReportWord(statement, 0, Severity::Error, "expected-number",
                               UpperWord(block.name) + " expects a number here, not " +
                                   std::string(word) + ".");
        }
        return;
    }
    if (IsIn(kReactionBlocks, block.name)) {
        return; // a line without an equation there is the reaction rules' to report
    }
    const std::optional<std::string_view> keyword = context.MisspeltKeyword(word);
    if (!keyword) {
        return;
    }
    // PHREEQC warns of an element it does not know in SOLUTION, and a word that cannot be one
    // is a misspelt keyword; a BASIC line begins with its number; elsewhere the line's own
    // words or the lines after it must show which block was meant.
    if ((block.name == "solution" && !MayBeElement(word)) || IsIn(kBasicBlocks, block.name) ||
        ArgumentsFit(statement, KeywordBlock(*keyword)) ||
        LaterLineFits(context.Model(), index, block, KeywordBlock(*keyword))) {
        ReportKeyword(context, index, Severity::Warning, *keyword);
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
