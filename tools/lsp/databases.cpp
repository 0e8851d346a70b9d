// Database loading. The reader gives the species and phase lists; the library's name table of
// the file's bytes, which diagnostics judge names by, gives what the checker keeps to itself.
#include "lsp/databases.h"

#include "lsp/positions.h"
#include "lsp/text.h"

#include <vxcheck/word_list.h>

#include <fstream>
#include <iterator>

namespace vxcheck::lsp {
namespace {

CString Bytes(std::string_view word) {
    return CString(word.data(), static_cast<int>(word.size()));
}

// The sorted view of a word list, as the checker's own lists are sorted, in UTF-8.
std::vector<std::string> SortedNames(Cvx_WordList& words) {
    std::vector<std::string> names;
    for (const CString& word : words.GetSortedWords()) {
        names.push_back(ToUtf8(word.GetString()));
    }
    return names;
}

// Takes from the database's name table what the checker does not hand out: the exchange and
// surface master species and the phase formulas.
void CollectFromTable(DatabaseNames& names) {
    Cvx_WordList exchange;
    Cvx_WordList surface;
    for (const NameEntry* entry : names.table.All(NameKind::ExchangeMaster)) {
        exchange.AddWord(Bytes(entry->name));
    }
    for (const NameEntry* entry : names.table.All(NameKind::SurfaceMaster)) {
        surface.AddWord(Bytes(entry->name));
    }
    for (const NameEntry* entry : names.table.All(NameKind::Phase)) {
        if (!entry->formula.empty()) {
            names.formulas.try_emplace(ToUtf8(entry->name), ToUtf8(entry->formula));
        }
    }
    names.lists[static_cast<std::size_t>(NameList::ExchangeMasterSpecies)] = SortedNames(exchange);
    names.lists[static_cast<std::size_t>(NameList::SurfaceMasterSpecies)] = SortedNames(surface);
}

} // namespace

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
    std::error_code error;
    std::ifstream file(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, error) || !file) {
        return {nullptr, "cannot open database '" + path + "'", false};
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto names = std::make_shared<DatabaseNames>();
    names->path = path;
    reader(path, *names);
    names->table = ReadDatabaseNames(text, path);
    CollectFromTable(*names);
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
