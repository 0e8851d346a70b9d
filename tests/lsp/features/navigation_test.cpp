// Definition, references, document highlights and rename on PHREEQC's example 6 with the
// database it runs with, and on small inputs.
#include "fixture.h"
#include "lsp/features/navigation.h"
#include "lsp/file_uri.h"

#include <fstream>
#include <sstream>

namespace vxcheck::lsp::testing {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const DatabaseNames& Phreeqc() {
    static const DatabaseNames names = [] {
        DatabaseNames database;
        database.path = VXCHECK_DATA_DIR "/databases/phreeqc.dat";
        database.table = ReadDatabaseNames(ReadFile(database.path), database.path);
        return database;
    }();
    return names;
}

// A document, its outline and a context with phreeqc.dat's names.
struct Opened {
    explicit Opened(std::string text)
        : document("file:///work/input.pqi", 1, std::move(text)),
          outline(document, TestVocabulary()), context{document, outline, TestVocabulary(),
                                                       &Phreeqc(), PositionEncoding::Utf16} {}

    // The point of the nth (from 0) appearance of needle, shifted by offset bytes.
    TextPoint At(std::string_view needle, int nth = 0, std::size_t offset = 0) const {
        std::size_t at = document.Text().find(needle);
        for (int i = 0; i < nth; ++i) {
            at = document.Text().find(needle, at + 1);
        }
        EXPECT_NE(at, std::string::npos) << needle;
        return document.PointAt(at + offset);
    }

    Document document;
    Outline outline;
    FeatureContext context;
};

TEST(Navigation, DefinitionsInTheInputComeBeforeTheDatabase) {
    Opened ex6(ReadFile(VXCHECK_DATA_DIR "/examples/ex6.pqi"));
    // Gibbsite is a phase of the database, but the input's PHASES defines it again.
    std::vector<Location> gibbsite = Definition(ex6.context, ex6.At("SI(\"Gibbsite\")", 0, 5));
    ASSERT_EQ(gibbsite.size(), 1u);
    EXPECT_EQ(gibbsite[0].uri, "file:///work/input.pqi");
    EXPECT_EQ(gibbsite[0].range.start.line, ex6.At("        Gibbsite\n").line);
    EXPECT_EQ(gibbsite[0].range.start.character, 8);

    // USE solution 1 goes to the SOLUTION 1 blocks; the rate of KINETICS to RATES.
    std::vector<Location> solution = Definition(ex6.context, ex6.At("USE solution 1", 0, 13));
    ASSERT_FALSE(solution.empty());
    EXPECT_EQ(solution[0].range.start.line, ex6.At("SOLUTION 1").line);
    std::vector<Location> rate = Definition(ex6.context, ex6.At("KINETICS 1\nK-feldspar", 0, 12));
    ASSERT_EQ(rate.size(), 1u);
    EXPECT_EQ(rate[0].range.start.line, ex6.At("RATES\nK-feldspar").line + 1);

    // Al+3 is defined by the database only: its file and the line of its reaction.
    std::vector<Location> aluminium = Definition(ex6.context, ex6.At("= Al+3", 0, 3));
    ASSERT_EQ(aluminium.size(), 1u);
    EXPECT_EQ(aluminium[0].uri, FileUri(Phreeqc().path));
    std::istringstream lines(ReadFile(Phreeqc().path));
    std::string line;
    for (int i = 0; i <= aluminium[0].range.start.line; ++i) {
        std::getline(lines, line);
    }
    EXPECT_EQ(line.substr(static_cast<std::size_t>(aluminium[0].range.start.character), 4), "Al+3");

    EXPECT_TRUE(Definition(ex6.context, ex6.At("log_k")).empty());
}

TEST(Navigation, ReferencesAndHighlightsFindEveryUse) {
    Opened ex6(ReadFile(VXCHECK_DATA_DIR "/examples/ex6.pqi"));
    const TextPoint kaolinite = ex6.At("Kaolinite", 3);
    std::vector<Location> all = References(ex6.context, kaolinite, true);
    std::vector<Location> uses = References(ex6.context, kaolinite, false);
    EXPECT_GT(all.size(), 8u);
    EXPECT_EQ(all.size(), uses.size() + 1); // one PHASES definition
    std::vector<DocumentHighlight> highlights = DocumentHighlights(ex6.context, kaolinite);
    ASSERT_EQ(highlights.size(), all.size());
    const auto writes = std::count_if(highlights.begin(), highlights.end(), [](const auto& h) {
        return h.kind == DocumentHighlightKind::Write;
    });
    EXPECT_EQ(writes, 1);
    EXPECT_TRUE(References(ex6.context, ex6.At("-units"), true).empty());
}

TEST(Navigation, RenameChangesOnlyWhatTheInputDefines) {
    Opened input("SOLUTION 1\n"
                 "END\n"
                 "SOLUTION 2-3\n"
                 "USE solution 1\n"
                 "USE solution 3\n"
                 "RATES\n"
                 "Pyrite_ox\n"
                 "-start\n"
                 "10 SAVE 0\n"
                 "-end\n"
                 "KINETICS 1\n"
                 "pyrite_ox\n"
                 "EQUILIBRIUM_PHASES 1\n"
                 "Calcite 0 0\n");
    std::string reason;
    std::optional<WorkspaceEdit> edit =
        Rename(input.context, input.At("pyrite_ox"), "Oxidation", reason);
    ASSERT_TRUE(edit.has_value()) << reason;
    const std::vector<TextEdit>& edits = edit->changes.at("file:///work/input.pqi");
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[0].range.start.line, 6);
    EXPECT_EQ(edits[1].range.start.line, 11);

    edit = Rename(input.context, input.At("solution 1", 0, 9), "7", reason);
    ASSERT_TRUE(edit.has_value()) << reason;
    EXPECT_EQ(edit->changes.begin()->second.size(), 2u);
    EXPECT_FALSE(Rename(input.context, input.At("solution 1", 0, 9), "seven", reason));
    EXPECT_NE(reason.find("whole number"), std::string::npos);

    // Calcite is the database's; solution 3 is one of the range 2-3.
    EXPECT_EQ(FindRenameTarget(input.context, input.At("Calcite")).occurrence, nullptr);
    RenameTarget ranged = FindRenameTarget(input.context, input.At("solution 3", 0, 9));
    EXPECT_EQ(ranged.occurrence, nullptr);
    EXPECT_NE(ranged.reason.find("2-3"), std::string::npos);
    EXPECT_FALSE(Rename(input.context, input.At("pyrite_ox"), "two words", reason));
    EXPECT_FALSE(Rename(input.context, input.At("pyrite_ox"), "-x", reason));
}

} // namespace
} // namespace vxcheck::lsp::testing
