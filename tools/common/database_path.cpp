// The installed folder is found from the running program's own path, so that an installed tree
// can be moved to any prefix and still finds its databases.
#include "common/database_path.h"

#include <system_error>

namespace vxcheck::tools {

namespace fs = std::filesystem;

fs::path InstalledDatabaseFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) {
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
