// The thermodynamic databases that open documents use: each read once per file and modification
// time into a checker, its names kept as the server offers them, shared by every document.
#pragma once

#include <vxcheck/input/names.h>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vxcheck::lsp {

// The lists of database names that the server offers.
enum class NameList {
    None,
    CompositionNames, // master species as a solution's composition names them
    MasterSpecies,
    AqueousSpecies,
    Phases,
    Gases,
    ExchangeMasterSpecies,
    SurfaceMasterSpecies,
};

// The names of one database, all as valid UTF-8.
class DatabaseNames {
  public:
    static constexpr std::size_t kLists = 8; // one per NameList value

    std::string path;
    std::array<std::vector<std::string>, kLists> lists;    // sorted, indexed by NameList
    std::unordered_map<std::string, std::string> formulas; // phase name -> formula
    NameTable table; // every name the database defines, as diagnostics judge names

    const std::vector<std::string>& List(NameList list) const {
        return lists[static_cast<std::size_t>(list)];
    }
    // The lists that hold name (bit n for NameList n), its spelling there written to spelled;
    // an exact match first, then one without regard to case; 0 when no list holds it.
    unsigned ListsOf(std::string_view name, std::string* spelled) const;
    // The formula of a phase, or empty.
    std::string_view FormulaOf(std::string_view phase) const;
    // Makes the look-up indexes; call once the lists are filled.
    void Index();

  private:
    std::unordered_map<std::string, unsigned> m_lists;     // name -> list bits
    std::unordered_map<std::string, std::string> m_folded; // lower-case name -> name
};

// How a database is read from the bytes of its file: fills the lists and the phase formulas. The
// program reads with ReadThroughChecker; tests may hand in lists of their own.
using DatabaseReader = std::function<void(const std::string& bytes, DatabaseNames& names)>;

// Reads the bytes into a new checker with PHREEQC 3 reading and copies what the checker collects.
void ReadThroughChecker(const std::string& bytes, DatabaseNames& names);

// A database as the cache holds it: its names, or why it could not be read.
struct DatabaseStatus {
    std::shared_ptr<const DatabaseNames> names; // null when the file could not be read
    std::string error;
    bool reported = false; // the error was shown to the user
};

// Reads the database file at path once: the checker's lists through reader, the name table
// through the library's input reader; or says why it cannot.
DatabaseStatus LoadDatabase(const std::string& path, const DatabaseReader& reader);

class DatabaseCache {
  public:
    explicit DatabaseCache(DatabaseReader reader) : m_reader(std::move(reader)) {}

    // The database at path, read again only when its modification time has changed.
    DatabaseStatus& Get(const std::string& path);

  private:
    struct Entry {
        std::filesystem::file_time_type time;
        DatabaseStatus status;
    };
    DatabaseReader m_reader;
    std::map<std::string, Entry> m_entries;
};

} // namespace vxcheck::lsp
