// Concentration units of SOLUTION: a unit after a concentration must be of the block's kind (per
// litre, per kilogram of solution, per kilogram of water) as its -units ("mmol/kgw" when none);
// PHREEQC stops on "Ca 1 mmol/kgw" under "-units mg/l" ("not compatible with default units").
#include "lint/lint_context.h"

#include "input/keywords.h"

#include <string>

namespace vxcheck {
namespace {

enum class Per { Unknown, Litre, KgSolution, KgWater };

// What a unit is given per; Unknown for a word that is no unit (a redox couple, "as", "charge").
Per PerOf(std::string_view word) {
    const std::string lower = LowerWord(word);
    if (lower.find('(') != std::string::npos) {
        return Per::Unknown;
    }
    if (lower == "ppm" || lower == "ppb" || lower == "ppt" || lower.ends_with("/kgs")) {
        return Per::KgSolution;
    }
    if (lower.ends_with("/l")) {
        return Per::Litre;
    }
    return lower.ends_with("/kgw") ? Per::KgWater : Per::Unknown;
}

const char* PerWords(Per per) {
    switch (per) {
    case Per::Litre:
        return "per litre";
    case Per::KgSolution:
        return "per kilogram of solution";
    default:
        return "per kilogram of water";
    }
}

void CheckBlock(LintContext& context, const InputBlock& block) {
    const InputModel& model = context.Model();
    Per defaults = Per::KgWater;
    std::string_view defaultWord = "mmol/kgw";
    for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
        const InputStatement& statement = model.statements[index];
        if ((statement.option == "units" || statement.option == "unit") &&
            statement.words.size() > 1) {
            defaults = PerOf(statement.Word(1));
            defaultWord = statement.Word(1);
        }
    }
    if (defaults == Per::Unknown) {
        return;
    }
    for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
        const InputStatement& statement = model.statements[index];
        if (statement.kind != StatementKind::Data || statement.words.size() < 3 ||
            context.Silenced(index)) {
            continue;
        }
        const Per per = PerOf(statement.Word(2));
        if (per != Per::Unknown && per != defaults) {
            context.ReportWord(statement, 2, Severity::Error, "incompatible-units",
                               std::string(statement.Word(2)) + " is given " + PerWords(per) +
                                   ", the solution's units (" + std::string(defaultWord) + ") " +
                                   PerWords(defaults) + "; PHREEQC cannot mix them.");
        }
    }
}

} // namespace

void CheckUnits(LintContext& context) {
    for (const InputBlock& block : context.Model().blocks) {
        if (block.name == "solution") {
            CheckBlock(context, block);
        }
    }
}

} // namespace vxcheck
