// textDocument/publishDiagnostics: the library's diagnostics of the document, judged by the names
// of its database, with the byte ranges turned into the client's positions. The server adds one
// finding of its own: a database that cannot be read, on the DATABASE line that names it.
#include "lsp/features/features.h"

#include <vxcheck/input/lint.h>

namespace vxcheck::lsp {
namespace {

Range RangeOf(const FeatureContext& context, const vxcheck::Diagnostic& diagnostic) {
    return context.document.ToRange(context.document.PointAt(diagnostic.begin.offset),
                                    context.document.PointAt(diagnostic.end.offset),
                                    context.encoding);
}

} // namespace

std::vector<Diagnostic> Diagnostics(const FeatureContext& context, const DatabaseChoice& choice,
                                    const DatabaseStatus* status) {
    std::vector<Diagnostic> diagnostics;
    if (choice.source == DatabaseChoice::Source::Keyword && status != nullptr && !status->names) {
        const Document& document = context.document;
        diagnostics.push_back(
            {document.ToRange(document.PointAt(choice.name.begin),
                              document.PointAt(choice.name.end), context.encoding),
             DiagnosticSeverity::Error, status->error, "database-unreadable"});
    }
    const NameTable* names = context.database != nullptr ? &context.database->table : nullptr;
    for (const vxcheck::Diagnostic& found : LintInput(context.document.Text(), names)) {
        diagnostics.push_back({RangeOf(context, found),
                               found.severity == Severity::Error ? DiagnosticSeverity::Error
                                                                 : DiagnosticSeverity::Warning,
                               ToUtf8(found.message), found.code});
    }
    return diagnostics;
}

} // namespace vxcheck::lsp
