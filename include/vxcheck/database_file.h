// Reading a database file once: its bytes read whole (or why they cannot be), the checker's
// reading of those bytes, and what a read leaves in the checker beyond its getters (the exchange
// and surface master species and the phase formulas).
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/cstring.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class Cvx_Check;

namespace vxcheck {

// The largest database that is read: 32 MiB, over forty times llnl.dat. ReadDatabase reads a
// larger file up to this size, as if it ended there.
inline constexpr std::size_t kDatabaseSizeLimit = std::size_t{32} << 20;

// A database file read whole, or why it could not be.
struct DatabaseFile {
    bool read = false;  // true when bytes hold the whole file
    std::string bytes;  // the file as stored, carriage returns and byte 26 included
    std::string reason; // why not ("No such file or directory", "Is a directory"), else empty
};

// Reads a regular file or a pipe whole, up to kDatabaseSizeLimit bytes; a folder, a device, a
// socket or a larger file is not read. Never throws.
VXCHECK_API DatabaseFile ReadDatabaseFile(const CString& path);

// How the checker reads a database: as ReadDatabase does, or as ReadDatabasePhreeqc3 does.
enum class DatabaseReading { Plain, Phreeqc3 };

// Whether a database was read, and what the checker holds after the read beyond its getters.
struct DatabaseRead {
    bool read = false;                          // the checker read the database's bytes
    std::string reason;                         // why it did not, as DatabaseFile says; else empty
    std::vector<CString> exchangeMasterSpecies; // sorted, every read so far
    std::vector<CString> surfaceMasterSpecies;  // sorted, every read so far
    std::vector<CString> phases;                // as GetPhases() gives them after the read
    std::vector<CString> phaseFormulas;         // phaseFormulas[i] is the formula of phases[i]
};

// The checker reads bytes as ReadDatabase (or ReadDatabasePhreeqc3) reads a file that holds them,
// without writing or reopening any file.
VXCHECK_API DatabaseRead ReadDatabaseBytes(Cvx_Check& checker, std::string_view bytes,
                                           DatabaseReading reading);

// Reads the file at path once and the checker reads its bytes; when the file cannot be read, the
// checker is left as it was and the result says why.
VXCHECK_API DatabaseRead ReadDatabaseOnce(Cvx_Check& checker, const CString& path,
                                          DatabaseReading reading);

} // namespace vxcheck
