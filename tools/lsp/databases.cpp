// Database loading. The reader gives the species and phase lists; the file's own
// EXCHANGE_MASTER_SPECIES, SURFACE_MASTER_SPECIES and PHASES blocks, read by the same input
// reader as documents, give what the checker keeps to itself.
#include "lsp/databases.h"

#include "lsp/positions.h"
#include "lsp/text.h"

#include <vxcheck/input/model.h>
#include <vxcheck/word_list.h>

#include <algorithm>
#include <cctype>
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

bool IsNumber(std::string_view word) {
    std::size_t at = !word.empty() && word[0] == '+' ? 1 : 0;
    return at < word.size() &&
           std::all_of(word.begin() + static_cast<std::ptrdiff_t>(at), word.end(), [](char ch) {
               return std::isdigit(static_cast<unsigned char>(ch)) || ch == '.';
           });
}

// Collects the names that the checker does not hand out from the database text, as the
// library's input reader cuts it into blocks and statements.
void ScanBlocks(std::string_view text, DatabaseNames& names) {
    const InputModel model = ReadInput(text);
    Cvx_WordList exchange;
    Cvx_WordList surface;
    for (const InputBlock& block : model.blocks) {
        std::string phase; // a phase name waiting for its reaction
        for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
            const InputStatement& statement = model.statements[index];
            if (statement.kind != StatementKind::Data) {
                continue;
            }
            if (block.name == "exchange_master_species") {
                exchange.AddWord(Bytes(statement.Word(0)));
            } else if (block.name == "surface_master_species") {
                surface.AddWord(Bytes(statement.Word(0)));
            } else if (block.name == "phases" && phase.empty()) {
                phase = ToUtf8(statement.Word(0));
            } else if (block.name == "phases") {
                // Some databases write a coefficient before the formula ("1 UO2(H2PO4)2:3H2O").
                const std::size_t at =
                    IsNumber(statement.Word(0)) && statement.words.size() > 1 ? 1 : 0;
                names.formulas.try_emplace(phase, ToUtf8(statement.Word(at)));
                phase.clear();
            }
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
    ScanBlocks(text, *names);
    names->table = ReadDatabaseNames(text, path);
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
