// The lint engine: reads the input once and runs each family of rules over the model.
#include "lint/lint_context.h"

#include <vxcheck/input/lint.h>

#include <algorithm>

namespace vxcheck {

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::vector<Diagnostic> LintInput(std::string_view text, const NameTable* database) {
    const InputModel model = ReadInput(text);
    LintContext context(model, database);
    CheckDatabaseLines(context);
    CheckKeywords(context);
    CheckReactions(context);
    CheckOptions(context);
    CheckNames(context);
    CheckReactants(context);
    CheckNumbers(context);
    CheckSpreads(context);
    CheckRedoxCouples(context);
    CheckUses(context);
    CheckUnits(context);
    CheckBasic(context);
    std::vector<Diagnostic> diagnostics = context.TakeDiagnostics();
    std::stable_sort(
        diagnostics.begin(), diagnostics.end(),
        [](const Diagnostic& a, const Diagnostic& b) { return a.begin.offset < b.begin.offset; });
    return diagnostics;
}

} // namespace vxcheck
