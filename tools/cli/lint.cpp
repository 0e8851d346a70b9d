// The order of a lint run: a --db database must be readable before any file is read; then each
// file is read, its database chosen and read (once per run), and its diagnostics printed.
#include "lint.h"

#include "common/database_path.h"
#include "lint_database.h"
#include "output.h"
#include "run_cli.h"

#include <vxcheck/input/lint.h>

#include <vector>

namespace vxcheck::cli {
namespace {

// Where a database came from, for the message when it cannot be read.
std::string Origin(const DatabaseChoice& choice, const std::string& file) {
    switch (choice.source) {
    case DatabaseChoice::Source::Keyword:
        return " (named on the DATABASE line of '" + file + "')";
    case DatabaseChoice::Source::Environment:
        return " (named by PHREEQC_DATABASE)";
    default:
        return {};
    }
}

// Text: FILE:LINE:COLUMN: SEVERITY: MESSAGE [CODE], 1-based line and byte column. JSON: one
// object per diagnostic with 1-based places, the end one past the last byte.
class LintOutput {
  public:
    LintOutput(std::ostream& out, bool json) : m_out(out), m_json(json) {
        if (m_json) {
            m_out << '[';
        }
    }
    void Print(const std::string& file, const Diagnostic& diagnostic) {
        const int line = diagnostic.begin.line + 1;
        const int column = diagnostic.begin.column + 1;
        if (!m_json) {
            m_out << file << ':' << line << ':' << column << ": "
                  << SeverityName(diagnostic.severity) << ": " << diagnostic.message << " ["
                  << diagnostic.code << "]\n";
            return;
        }
        m_out << (m_first ? "" : ",") << "{\"file\":" << JsonString(file) << ",\"line\":" << line
              << ",\"column\":" << column << ",\"endLine\":" << diagnostic.end.line + 1
              << ",\"endColumn\":" << diagnostic.end.column + 1
              << ",\"severity\":" << JsonString(SeverityName(diagnostic.severity))
              << ",\"code\":" << JsonString(diagnostic.code)
              << ",\"message\":" << JsonString(diagnostic.message) << '}';
        m_first = false;
    }
    void Finish() {
        if (m_json) {
            m_out << "]\n";
        }
    }

  private:
    std::ostream& m_out;
    bool m_json;
    bool m_first = true;
};

} // namespace

int RunLint(const Invocation& invocation, const std::string& environmentDatabase, std::ostream& out,
            std::ostream& err) {
    const std::string named = invocation.databases.empty() ? "" : invocation.databases.front();
    const std::string option = tools::ResolveDatabase(named);
    DatabaseTables tables;
    if (!option.empty() && tables.Get(option) == nullptr) {
        err << "vxcheck: cannot read database '" << named << "'\n";
        return kCannotRead;
    }
    LintOutput output(out, invocation.json);
    bool cannotRead = false;
    bool errors = false;
    bool toldNoDatabase = false;
    for (const std::string& file : invocation.files) {
        const std::optional<std::string> text = ReadFileBytes(file);
        if (!text) {
            err << "vxcheck: cannot read '" << file << "'\n";
            cannotRead = true;
            continue;
        }
        const DatabaseChoice choice = ChooseDatabase(option, file, *text, environmentDatabase);
        const NameTable* names = nullptr;
        if (choice.source == DatabaseChoice::Source::None && !toldNoDatabase) {
            err << "vxcheck: no database for '" << file
                << "' (no --db, DATABASE line or PHREEQC_DATABASE): names are not checked\n";
            toldNoDatabase = true;
        } else if (choice.source != DatabaseChoice::Source::None &&
                   (names = tables.Get(choice.path)) == nullptr) {
            err << "vxcheck: cannot read database '" << choice.path << "'" << Origin(choice, file)
                << ": names in '" << file << "' are not checked\n";
            cannotRead = true;
        }
        for (const Diagnostic& diagnostic : LintInput(*text, names)) {
            output.Print(file, diagnostic);
            errors = errors || diagnostic.severity == Severity::Error;
        }
    }
    output.Finish();
    return cannotRead ? kCannotRead : errors ? kLintErrors : kSuccess;
}

} // namespace vxcheck::cli
