// textDocument/publishDiagnostics: the library's diagnostics of the document, judged by the names
// of its database, with the byte ranges turned into the client's positions. The server adds one
// finding of its own: a database that cannot be read, on the DATABASE line that names it.
#include "lsp/features/features.h"

#include <vxcheck/input/lint.h>

namespace vxcheck::lsp {

std::vector<Diagnostic> Diagnostics(const Document& document, const DatabaseChoice& choice,
                                    const DatabaseStatus* status, PositionEncoding encoding) {
    auto range = [&](std::size_t begin, std::size_t end) {
        return document.ToRange(document.PointAt(begin), document.PointAt(end), encoding);
    };
    std::vector<Diagnostic> diagnostics;
    if (choice.source == DatabaseChoice::Source::Keyword && status != nullptr && !status->names) {
        diagnostics.push_back({range(choice.name.begin, choice.name.end), DiagnosticSeverity::Error,
                               status->error, "database-unreadable"});
    }
    const NameTable* names = status != nullptr && status->names ? &status->names->table : nullptr;
    for (const vxcheck::Diagnostic& found : LintInput(document.Text(), names)) {
        diagnostics.push_back({range(found.begin.offset, found.end.offset),
                               found.severity == Severity::Error ? DiagnosticSeverity::Error
                                                                 : DiagnosticSeverity::Warning,
                               ToUtf8(found.message), found.code});
    }
    return diagnostics;
}

} // namespace vxcheck::lsp
