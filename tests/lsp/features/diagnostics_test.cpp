// Diagnostics: an unreadable database on its DATABASE line and a DATABASE that comes late.
#include "fixture.h"

namespace vxcheck::lsp::testing {
namespace {

TEST(Diagnostics, MarksAnUnreadableDatabaseAndALateDatabaseKeyword) {
    Marked marked("|DATABASE  missing.dat \nSOLUTION 1\nDATABASE other.dat\n");
    Settings settings;
    DatabaseChoice choice = ChooseDatabase(marked.document, marked.outline, settings);
    DatabaseStatus status{nullptr, "cannot open database 'missing.dat'", false};
    std::vector<Diagnostic> diagnostics = Diagnostics(marked.context, choice, &status);
    ASSERT_EQ(diagnostics.size(), 2u);
    EXPECT_EQ(diagnostics[0].message, status.error);
    EXPECT_EQ(diagnostics[0].range.start.line, 0);
    EXPECT_EQ(diagnostics[1].range.start.line, 2);
    EXPECT_EQ(diagnostics[1].range.end.character, 8);
    EXPECT_EQ(diagnostics[1].message, "DATABASE must be the first keyword in the input file.");

    status.names = std::make_shared<DatabaseNames>();
    EXPECT_EQ(Diagnostics(marked.context, choice, &status).size(), 1u);
}

} // namespace
} // namespace vxcheck::lsp::testing
