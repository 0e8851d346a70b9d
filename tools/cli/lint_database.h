// Which database `vxcheck lint` judges a file's names by, and the name tables it reads, each
// database once per run.
#pragma once

#include <vxcheck/input/names.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vxcheck::cli {

// Where a file's database comes from, in the order lint tries them.
struct DatabaseChoice {
    enum class Source { None, Option, Keyword, Environment };
    Source source = Source::None;
    std::string path; // as it is opened
};

// --db when given, else the DATABASE line as PHREEQC finds it before reading the file, else
// PHREEQC_DATABASE (environment, may be empty). A relative DATABASE name is opened from the
// working directory, as PHREEQC opens it, or else beside the input file when only that one
// exists (docs/decisions.md).
DatabaseChoice ChooseDatabase(const std::string& option, const std::string& file,
                              std::string_view text, const std::string& environment);

// The bytes of a file, or nothing when it cannot be read (a folder cannot).
std::optional<std::string> ReadFileBytes(const std::string& path);

// The name tables of the databases of one run, read on first use.
class DatabaseTables {
  public:
    // The names of the database at path; null when it cannot be read or is no regular file.
    const NameTable* Get(const std::string& path);

  private:
    std::map<std::string, std::optional<NameTable>> m_tables;
};

} // namespace vxcheck::cli
