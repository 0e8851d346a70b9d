// Where the tools open a database that the user names: the command line's --db, a DATABASE line.
// PHREEQC opens the name as given, relative to the working directory; when no such file is there
// and the name is a bare file name, the copy installed with vxcheck serves (phreeqc.dat,
// llnl.dat, ...), so that `vxcheck --db phreeqc.dat` works from any folder.
#pragma once

#include <filesystem>
#include <string>

namespace vxcheck::tools {

// The folder of the databases installed with the program: share/vxcheck/databases beside the
// program's bin folder (in the build tree, a link to the source tree's data/databases).
std::filesystem::path InstalledDatabaseFolder();

// name itself when a file of that name exists where PHREEQC looks, or when name holds a folder;
// else installed/name when that file exists; else name, whose opening then fails as it would.
std::string ResolveDatabase(const std::string& name, const std::filesystem::path& installed);

// ResolveDatabase over InstalledDatabaseFolder().
std::string ResolveDatabase(const std::string& name);

} // namespace vxcheck::tools
