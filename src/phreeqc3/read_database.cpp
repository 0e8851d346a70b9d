// Reading a database once: the checker's own reader reads the file's bytes, or their PHREEQC 3
// view, from memory, so no file is written and none is opened twice.
#include <vxcheck/check.h>
#include <vxcheck/database_file.h>
#include <vxcheck/phreeqc3.h>

#include "database/database_stream.h"

#include <string>

namespace vxcheck {

namespace {

// The checker's ReadDatabase reads bytes in place of a file; the path it is given opens nothing.
void ReadInPlace(Cvx_Check& checker, std::string_view bytes, DatabaseRead& report) {
    const detail::CompanionRead companion(bytes, report);
    checker.ReadDatabase(CString());
}

} // namespace

DatabaseRead ReadDatabaseBytes(Cvx_Check& checker, std::string_view bytes,
                               DatabaseReading reading) {
    DatabaseRead report;
    if (reading == DatabaseReading::Phreeqc3) {
        ReadInPlace(checker, Phreeqc3View(bytes), report);
    } else {
        ReadInPlace(checker, bytes, report);
    }
    report.read = true;
    return report;
}

DatabaseRead ReadDatabaseOnce(Cvx_Check& checker, const CString& path, DatabaseReading reading) {
    DatabaseFile file = ReadDatabaseFile(path);
    if (!file.read) {
        DatabaseRead report;
        report.reason = std::move(file.reason);
        return report;
    }
    return ReadDatabaseBytes(checker, file.bytes, reading);
}

// A file that cannot be read whole ends the checker's read as a file that holds nothing, which
// is how the checker ends the read of a file it cannot open.
bool ReadDatabasePhreeqc3(Cvx_Check& checker, const CString& path) {
    const DatabaseFile file = ReadDatabaseFile(path);
    ReadDatabaseBytes(checker, file.bytes,
                      file.read ? DatabaseReading::Phreeqc3 : DatabaseReading::Plain);
    return file.read;
}

} // namespace vxcheck
