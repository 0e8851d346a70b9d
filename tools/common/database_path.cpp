// The installed folder is found from the running program's own path, so that an installed tree
// can be moved to any prefix and still finds its databases.
#include "common/database_path.h"

#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vxcheck::tools {

namespace fs = std::filesystem;

namespace {

// The running program's own file, or an empty path.
fs::path ProgramFile() {
#if defined(_WIN32)
    wchar_t file[32768];
    const DWORD length = GetModuleFileNameW(nullptr, file, sizeof file / sizeof file[0]);
    return length == 0 || length == sizeof file / sizeof file[0] ? fs::path()
                                                                 : fs::path(file, file + length);
#else
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program;
#endif
}

} // namespace

fs::path InstalledDatabaseFolder() {
    const fs::path program = ProgramFile();
    if (program.empty()) {
        return {};
    }
    return (program.parent_path() / VXCHECK_DATABASES_FROM_BIN).lexically_normal();
}

std::string ResolveDatabase(const std::string& name, const fs::path& installed) {
    std::error_code error;
    const fs::path path(name);
    if (name.empty() || fs::exists(path, error) || path.has_parent_path() || installed.empty()) {
        return name;
    }
    const fs::path copy = installed / path;
    return fs::is_regular_file(copy, error) ? copy.string() : name;
}

std::string ResolveDatabase(const std::string& name) {
    return ResolveDatabase(name, InstalledDatabaseFolder());
}

} // namespace vxcheck::tools
