// Diagnostics: an unreadable database on its DATABASE line, a DATABASE that comes late, and
// options that PHREEQC does not know.
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

TEST(Diagnostics, MarksOptionsThatTheBlockDoesNotKnow) {
    Marked marked("|SOLUTION 1; -temp 25; -tempx 3\n"
                  "  -units mg/l \\\n  -nonsense\n"
                  "  -1.5\n"
                  "SOLUTION_MODIFY 1\n  -totals\n  -Ca 1\n"
                  "USER_GRAPH\n  -whatever\n"
                  "KNOBS\n  -iter 100\n  -iterate\n");
    std::vector<Diagnostic> diagnostics = Diagnostics(marked.context, {}, nullptr);
    ASSERT_EQ(diagnostics.size(), 2u);
    EXPECT_EQ(diagnostics[0].message, "Unknown option -tempx in SOLUTION.");
    EXPECT_EQ(diagnostics[0].range.start.character, 22);
    EXPECT_EQ(diagnostics[0].range.end.character, 28);
    EXPECT_EQ(diagnostics[1].message, "Unknown option -iterate in KNOBS.");
    EXPECT_EQ(diagnostics[1].range.start.line, 11);
}

} // namespace
} // namespace vxcheck::lsp::testing
