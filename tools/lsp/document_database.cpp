// The DATABASE line is found by the library, as PHREEQC finds it before reading an input. A
// relative DATABASE path is looked up beside the document first, then as given, which is relative
// to the folder the server runs in, as PHREEQC's own is, and last, for a bare file name, among the
// databases installed with vxcheck.
#include "lsp/document_database.h"

#include "common/database_path.h"

#include <vxcheck/input/model.h>

#include <filesystem>

namespace vxcheck::lsp {

std::optional<std::string> DatabaseSetting(const Json& settings) {
    if (!settings.is_object()) {
        return std::nullopt;
    }
    const Json* value = nullptr;
    if (auto it = settings.find("vxcheck"); it != settings.end() && it->is_object()) {
        if (auto inner = it->find("database"); inner != it->end()) {
            value = &*inner;
        }
    }
    for (const char* key : {"vxcheck.database", "database"}) {
        if (auto it = settings.find(key); value == nullptr && it != settings.end()) {
            value = &*it;
        }
    }
    if (value == nullptr || !value->is_string()) {
        return std::nullopt;
    }
    return value->get<std::string>();
}

namespace {

// A joined path with its "." and ".." steps resolved as the system would (through links), so
// that one file has one name in the cache and in the addresses sent to the editor.
std::string Resolved(const std::filesystem::path& joined) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(joined, error);
    if (error) {
        resolved = joined;
    }
    return resolved.make_preferred().string();
}

} // namespace

DatabaseChoice ChooseDatabase(const Document& document, const Settings& settings) {
    namespace fs = std::filesystem;
    DatabaseChoice choice;
    std::optional<DatabaseLine> line = FindDatabaseLine(document.Text());
    if (line && !line->name.empty()) {
        choice.source = DatabaseChoice::Source::Keyword;
        choice.name = {line->begin, line->end};
        choice.path = tools::ResolveDatabase(line->name);
        std::optional<std::string> file = FilePath(document.Uri());
        std::error_code error;
        if (file && fs::path(line->name).is_relative()) {
            fs::path beside = fs::path(*file).parent_path() / line->name;
            if (fs::exists(beside, error)) {
                choice.path = Resolved(beside);
            }
        }
        return choice;
    }
    if (!settings.database.empty()) {
        choice.source = DatabaseChoice::Source::Setting;
        fs::path path(settings.database);
        choice.path = path.is_relative() && !settings.rootFolder.empty()
                          ? Resolved(fs::path(settings.rootFolder) / path)
                          : settings.database;
    } else if (!settings.environmentDatabase.empty()) {
        choice.source = DatabaseChoice::Source::Environment;
        choice.path = settings.environmentDatabase;
    }
    return choice;
}

} // namespace vxcheck::lsp
