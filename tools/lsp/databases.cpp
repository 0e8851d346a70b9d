// Database loading: the file is read once, whole; the reader takes the checker's lists from its
// bytes, and the library's input reader its name table.
#include "lsp/databases.h"

#include "lsp/positions.h"
#include "lsp/text.h"

#include <vxcheck/database_file.h>
#include <vxcheck/input/names.h>

namespace vxcheck::lsp {

unsigned DatabaseNames::ListsOf(std::string_view name, std::string* spelled) const {
    auto it = m_lists.find(std::string(name));
    if (it == m_lists.end()) {
        auto folded = m_folded.find(Lower(name));
        if (folded == m_folded.end()) {
            return 0;
        }
        it = m_lists.find(folded->second);
    }
    if (spelled != nullptr) {
        *spelled = it->first;
    }
    return it->second;
}

std::string_view DatabaseNames::FormulaOf(std::string_view phase) const {
    auto it = formulas.find(std::string(phase));
    return it == formulas.end() ? std::string_view() : std::string_view(it->second);
}

void DatabaseNames::Index() {
    for (std::size_t list = 1; list < kLists; ++list) {
        for (const std::string& name : lists[list]) {
            m_lists[name] |= 1u << list;
            m_folded.try_emplace(Lower(name), name);
        }
    }
}

DatabaseStatus LoadDatabase(const std::string& path, const DatabaseReader& reader) {
    DatabaseFile file = ReadDatabaseFile(CString(path.data(), static_cast<int>(path.size())));
    if (!file.read) {
        return {nullptr, "cannot read database '" + path + "': " + file.reason, false};
    }
    auto names = std::make_shared<DatabaseNames>();
    names->path = path;
    reader(file.bytes, *names);
    names->table = ReadDatabaseNames(file.bytes, path);
    names->Index();
    return {std::move(names), {}, false};
}

DatabaseStatus& DatabaseCache::Get(const std::string& path) {
    std::error_code error;
    auto time = std::filesystem::last_write_time(path, error);
    if (error) {
        time = std::filesystem::file_time_type::min();
    }
    auto it = m_entries.find(path);
    if (it != m_entries.end() && it->second.time == time) {
        return it->second.status;
    }
    Entry entry{time, LoadDatabase(path, m_reader)};
    if (it != m_entries.end() && !entry.status.names &&
        it->second.status.error == entry.status.error) {
        entry.status.reported = it->second.status.reported; // the same failure is told once
    }
    return (m_entries[path] = std::move(entry)).status;
}

} // namespace vxcheck::lsp
