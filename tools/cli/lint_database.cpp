// The DATABASE line as PHREEQC's first look at an input finds it: its logical line rules ("#"
// comments, "\" joining the next line, ";" between statements), for the first statement only.
#include "lint_database.h"

#include <vxcheck/platform/mbstring.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vxcheck::cli {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

// The first statement with text: physical lines without their comments, joined where a line
// ends in "\", cut at ";".
std::string FirstStatement(std::string_view text) {
    std::string logical;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        line = line.substr(0, line.find('#'));
        const std::string_view trimmed = Trim(line);
        const bool joins = !trimmed.empty() && trimmed.back() == '\\';
        logical += joins ? trimmed.substr(0, trimmed.size() - 1) : line;
        if (joins) {
            continue;
        }
        std::string_view rest = logical;
        while (!rest.empty()) {
            const std::size_t semicolon = rest.find(';');
            const std::string_view statement = Trim(rest.substr(0, semicolon));
            if (!statement.empty()) {
                return std::string(statement);
            }
            rest = semicolon == std::string_view::npos ? std::string_view()
                                                       : rest.substr(semicolon + 1);
        }
        logical.clear();
    }
    return {};
}

} // namespace

std::optional<std::string> DatabaseLineName(std::string_view text) {
    const std::string statement = FirstStatement(text);
    const std::size_t wordEnd = std::min(statement.find_first_of(kBlanks), statement.size());
    std::string word = statement.substr(0, wordEnd);
    for (char& ch : word) {
        ch = static_cast<char>(FoldToLower(static_cast<unsigned char>(ch)));
    }
    const std::string_view name = Trim(std::string_view(statement).substr(wordEnd));
    if (word != "database" || name.empty()) {
        return std::nullopt;
    }
    return std::string(name);
}

DatabaseChoice ChooseDatabase(const std::string& option, const std::string& file,
                              std::string_view text, const std::string& environment) {
    namespace fs = std::filesystem;
    if (!option.empty()) {
        return {DatabaseChoice::Source::Option, option};
    }
    if (std::optional<std::string> name = DatabaseLineName(text)) {
        std::error_code error;
        const fs::path beside = fs::path(file).parent_path() / *name;
        if (fs::path(*name).is_relative() && !fs::exists(*name, error) &&
            fs::exists(beside, error)) {
            return {DatabaseChoice::Source::Keyword, beside.string()};
        }
        return {DatabaseChoice::Source::Keyword, *name};
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
        std::optional<std::string> bytes;
        if (std::filesystem::is_regular_file(path, error)) {
            bytes = ReadFileBytes(path);
        }
        if (bytes) {
            table = ReadDatabaseNames(*bytes, path);
        }
        it = m_tables.emplace(path, std::move(table)).first;
    }
    return it->second ? &*it->second : nullptr;
}

} // namespace vxcheck::cli
