// ReadDatabaseNames: a database read by the input reader, each statement of its defining blocks
// handed to the name table. PHREEQC reads a database up to its first END, and reads an INCLUDE$
// file in place of its line.
#include "input/collect_names.h"

#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vxcheck {
namespace {

// Deeper INCLUDE$ nesting than this is taken for a file that includes itself.
constexpr int kIncludeDepth = 8;

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The file name of an INCLUDE$ statement: the trimmed rest of the line after its first word.
std::string IncludedName(const InputStatement& statement) {
    const std::size_t begin = statement.words[1].begin;
    const std::size_t end = statement.words.back().end;
    return std::string(statement.text.substr(begin, end - begin));
}

class DatabaseNameReader {
  public:
    DatabaseNameReader(NameTable& names, std::filesystem::path folder)
        : m_names(names), m_folder(std::move(folder)) {}

    // Returns false once the database's first END has been read.
    bool Read(std::string_view bytes, const std::string& file, int depth) {
        const InputModel model = ReadInput(bytes);
        NameCollector collector(m_names, file);
        for (const InputStatement& statement : model.statements) {
            if (statement.kind == StatementKind::Keyword &&
                model.blocks[static_cast<std::size_t>(statement.block)].name == "end") {
                return false;
            }
            if (statement.kind == StatementKind::Include && depth < kIncludeDepth) {
                const std::filesystem::path path = m_folder / IncludedName(statement);
                if (!Read(ReadBytes(path), path.string(), depth + 1)) {
                    return false;
                }
            }
            collector.Collect(model, statement);
        }
        return true;
    }

  private:
    NameTable& m_names;
    std::filesystem::path m_folder;
};

} // namespace

NameTable ReadDatabaseNames(std::string_view bytes, const std::string& file) {
    NameTable names;
    DatabaseNameReader(names, std::filesystem::path(file).parent_path()).Read(bytes, file, 0);
    return names;
}

} // namespace vxcheck
