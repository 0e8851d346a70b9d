// The DATABASE line is found by the library, as PHREEQC finds it before reading an input. A
// relative DATABASE path is looked up beside the document first, then as given, which is relative
// to the folder the server runs in, as PHREEQC's own is, and last, for a bare file name, among the
// databases installed with vxcheck.
#include "lsp/document_database.h"

#include "common/database_path.h"

#include <vxcheck/input/model.h>

#include <filesystem>

namespace vxcheck::lsp {
namespace {

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<std::string> FilePath(std::string_view uri) {
    constexpr std::string_view kScheme = "file://";
    if (uri.substr(0, kScheme.size()) != kScheme) {
        return std::nullopt;
    }
    uri.remove_prefix(kScheme.size());
    std::size_t slash = uri.find('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    uri.remove_prefix(slash); // an authority ("localhost") names this machine
    std::string path;
    for (std::size_t at = 0; at < uri.size(); ++at) {
        if (uri[at] == '%' && at + 2 < uri.size() && HexValue(uri[at + 1]) >= 0 &&
            HexValue(uri[at + 2]) >= 0) {
            path += static_cast<char>(HexValue(uri[at + 1]) * 16 + HexValue(uri[at + 2]));
            at += 2;
        } else {
            path += uri[at];
        }
    }
    return path;
}

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
                choice.path = beside.string();
            }
        }
        return choice;
    }
    if (!settings.database.empty()) {
        choice.source = DatabaseChoice::Source::Setting;
        fs::path path(settings.database);
        choice.path = path.is_relative() && !settings.rootFolder.empty()
                          ? (fs::path(settings.rootFolder) / path).string()
                          : settings.database;
    } else if (!settings.environmentDatabase.empty()) {
        choice.source = DatabaseChoice::Source::Environment;
        choice.path = settings.environmentDatabase;
    }
    return choice;
}

} // namespace vxcheck::lsp
