// The database of a file, and the name tables of a run's databases.
#include "lint_database.h"

#include "common/database_path.h"

#include <vxcheck/database_file.h>
#include <vxcheck/input/model.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vxcheck::cli {

DatabaseChoice ChooseDatabase(const std::string& option, const std::string& file,
                              std::string_view text, const std::string& environment) {
    namespace fs = std::filesystem;
    if (!option.empty()) {
        return {DatabaseChoice::Source::Option, option};
    }
    if (std::optional<DatabaseLine> line = FindDatabaseLine(text); line && !line->name.empty()) {
        const std::string& name = line->name;
        std::error_code error;
        const fs::path beside = fs::path(file).parent_path() / name;
        if (fs::path(name).is_relative() && !fs::exists(name, error) && fs::exists(beside, error)) {
            return {DatabaseChoice::Source::Keyword, beside.string()};
        }
        return {DatabaseChoice::Source::Keyword, tools::ResolveDatabase(name)};
    }
    if (!environment.empty()) {
        return {DatabaseChoice::Source::Environment, environment};
    }
    return {};
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

const NameTable* DatabaseTables::Get(const std::string& path) {
    auto it = m_tables.find(path);
    if (it == m_tables.end()) {
        std::optional<NameTable> table;
        std::error_code error;
        // A database is a regular file: a device or a pipe named on a DATABASE line is not read.
        if (std::filesystem::is_regular_file(path, error)) {
            const DatabaseFile file =
                ReadDatabaseFile(CString(path.data(), static_cast<int>(path.size())));
            if (file.read) {
                table = ReadDatabaseNames(file.bytes, path);
            }
        }
        it = m_tables.emplace(path, std::move(table)).first;
    }
    return it->second ? &*it->second : nullptr;
}

} // namespace vxcheck::cli
