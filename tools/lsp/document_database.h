// Which database a document uses, in PHREEQC's order: a DATABASE line as the file's first
// keyword, else the client's vxcheck.database setting, else PHREEQC_DATABASE.
#pragma once

#include "lsp/documents.h"
#include "lsp/file_uri.h" // FilePath, by which a document finds its folder
#include "lsp/protocol.h"

#include <optional>
#include <string>

namespace vxcheck::lsp {

struct Settings {
    std::string database;            // vxcheck.database, or empty
    std::string rootFolder;          // the workspace folder, or empty
    std::string environmentDatabase; // PHREEQC_DATABASE when the server started, or empty
};

struct DatabaseChoice {
    enum class Source { None, Keyword, Setting, Environment };
    Source source = Source::None;
    std::string path; // as it is opened
    Word name;        // for Source::Keyword, the name's bytes in the document's text
};

DatabaseChoice ChooseDatabase(const Document& document, const Settings& settings);

// The vxcheck.database setting in initialization options or configuration settings, written
// {"vxcheck": {"database": p}}, {"vxcheck.database": p} or {"database": p}; nothing when absent.
std::optional<std::string> DatabaseSetting(const Json& settings);

} // namespace vxcheck::lsp
