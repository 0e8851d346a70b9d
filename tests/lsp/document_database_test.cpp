// Which database a document uses: DATABASE line, then setting, then environment.
#include "lsp/document_database.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vxcheck::lsp {
namespace {

namespace fs = std::filesystem;

DatabaseChoice Choose(const std::string& uri, const std::string& text, const Settings& settings) {
    Document document(uri, 1, text);
    return ChooseDatabase(document, settings);
}

TEST(DocumentDatabase, FollowsPhreeqcsOrder) {
    fs::path folder = fs::weakly_canonical(fs::temp_directory_path()) / "vxcheck-lsp-choice";
    fs::create_directories(folder / "db dir");
    std::ofstream(folder / "db dir" / "local.dat") << "END\n";
    // The document and the workspace come as the client sends them, as file: URIs.
    std::string uri = FileUri((folder / "in put.pqi").string());
    std::string root = FilePath(FileUri(folder.string())).value_or("");
    Settings settings{"setting.dat", root, "/env/phreeqc.dat"};

    DatabaseChoice beside = Choose(uri, "# c\n  DATABASE  db dir/local.dat \nEND", settings);
    EXPECT_EQ(beside.source, DatabaseChoice::Source::Keyword);
    EXPECT_EQ(beside.path, (folder / "db dir" / "local.dat").string());
    // One file, one name: steps back and forth are resolved.
    EXPECT_EQ(Choose(uri, "DATABASE ../vxcheck-lsp-choice/db dir/./local.dat", settings).path,
              beside.path);
    EXPECT_EQ(Choose(uri, "DATABASE elsewhere.dat", settings).path, "elsewhere.dat");
    // Only as the first keyword; an empty name falls through.
    EXPECT_EQ(Choose(uri, "TITLE\nDATABASE x.dat", settings).path,
              (folder / "setting.dat").string());
    EXPECT_EQ(Choose(uri, "DATABASE  ", settings).source, DatabaseChoice::Source::Setting);
    settings.database = "db dir/../setting.dat";
    EXPECT_EQ(Choose(uri, "END", settings).path, (folder / "setting.dat").string());
    settings.database.clear();
    EXPECT_EQ(Choose(uri, "END", settings).path, "/env/phreeqc.dat");
    settings.environmentDatabase.clear();
    EXPECT_EQ(Choose(uri, "END", settings).source, DatabaseChoice::Source::None);
    fs::remove_all(folder);
}

TEST(DocumentDatabase, Settings) {
    EXPECT_EQ(DatabaseSetting({{"vxcheck", {{"database", "a.dat"}}}}), "a.dat");
    EXPECT_EQ(DatabaseSetting({{"vxcheck.database", "b.dat"}}), "b.dat");
    EXPECT_EQ(DatabaseSetting({{"database", "c.dat"}}), "c.dat");
    EXPECT_EQ(DatabaseSetting({{"database", 3}}), std::nullopt);
    EXPECT_EQ(DatabaseSetting(nullptr), std::nullopt);
}

} // namespace
} // namespace vxcheck::lsp
