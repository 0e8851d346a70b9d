// Diagnostics: the library's findings of a document, at the client's positions, and the server's
// own finding of a database that cannot be read.
#include "fixture.h"

#include <vxcheck/input/lint.h>

namespace vxcheck::lsp::testing {
namespace {

// A misspelt option after a description with a two-byte letter, and a misspelt phase.
constexpr const char* kText = "|SOLUTION 1 R\xC3\xA9; -tempqq 3\n"
                              "EQUILIBRIUM_PHASES 1\n    Calcitte 0 10\nEND\n";

TEST(Diagnostics, AreTheLibrarysFindingsAtTheClientsPositions) {
    for (PositionEncoding encoding : {PositionEncoding::Utf16, PositionEncoding::Utf8}) {
        Marked marked(kText, encoding);
        const std::vector<vxcheck::Diagnostic> expected =
            LintInput(marked.document.Text(), &TestDatabase().table);
        auto names = std::make_shared<DatabaseNames>(TestDatabase());
        const DatabaseStatus status{names, {}, false};
        const std::vector<Diagnostic> diagnostics =
            Diagnostics(marked.document, {}, &status, encoding);
        ASSERT_GE(expected.size(), 2u);
        ASSERT_EQ(diagnostics.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(diagnostics[i].code, expected[i].code);
            EXPECT_EQ(diagnostics[i].message, expected[i].message);
            EXPECT_EQ(diagnostics[i].range.start.line, expected[i].begin.line);
            EXPECT_EQ(diagnostics[i].severity, expected[i].severity == Severity::Error
                                                   ? DiagnosticSeverity::Error
                                                   : DiagnosticSeverity::Warning);
        }
        // "-tempqq" begins at byte 16, after the two bytes of one UTF-16 unit.
        ASSERT_EQ(expected[0].begin.offset, 16u);
        EXPECT_EQ(diagnostics[0].range.start.character,
                  encoding == PositionEncoding::Utf16 ? 15 : 16);
        EXPECT_EQ(diagnostics[0].range.end.character - diagnostics[0].range.start.character, 7);
    }
}

TEST(Diagnostics, MarkADatabaseThatCannotBeReadOnItsLine) {
    Marked marked("|DATABASE  missing.dat \nSOLUTION 1\n");
    DatabaseChoice choice = ChooseDatabase(marked.document, Settings{});
    DatabaseStatus status{nullptr, "cannot open database 'missing.dat'", false};
    std::vector<Diagnostic> diagnostics =
        Diagnostics(marked.document, choice, &status, PositionEncoding::Utf16);
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics[0].message, status.error);
    EXPECT_EQ(diagnostics[0].code, "database-unreadable");
    EXPECT_EQ(diagnostics[0].range.start.line, 0);
    EXPECT_EQ(diagnostics[0].range.start.character, 10); // the name
    EXPECT_EQ(diagnostics[0].range.end.character, 21);

    status.names = std::make_shared<DatabaseNames>();
    EXPECT_TRUE(Diagnostics(marked.document, choice, &status, PositionEncoding::Utf16).empty());
}

} // namespace
} // namespace vxcheck::lsp::testing
