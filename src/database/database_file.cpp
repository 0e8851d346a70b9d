// ReadDatabaseFile: a database's bytes in one pass, with the checks that keep what is no database
// (a folder, a device, a file that grows without end) from costing more than a database would.
#include <vxcheck/database_file.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vxcheck {

namespace {

// Closes a descriptor when the read ends, however it ends.
class Descriptor {
  public:
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (m_descriptor >= 0) {
            close(m_descriptor);
        }
    }
    int Get() const { return m_descriptor; }

  private:
    int m_descriptor;
};

// A descriptor that reads the file's bytes as they are, or -1 (errno says why).
int OpenForReading(const char* path) {
#if defined(_WIN32)
    // Binary, so that the runtime neither joins carriage returns to line feeds nor ends the file
    // at byte 26: the reader applies those rules itself.
    const int descriptor = open(path, O_RDONLY | O_BINARY);
    // The runtime refuses to open a folder (EACCES); the reason then names what it is.
    struct stat status {};
    if (descriptor < 0 && errno == EACCES && stat(path, &status) == 0 && S_ISDIR(status.st_mode)) {
        errno = EISDIR;
    }
    return descriptor;
#else
    return open(path, O_RDONLY | O_CLOEXEC);
#endif
}

DatabaseFile Refused(std::string reason) {
    DatabaseFile file;
    file.reason = std::move(reason);
    return file;
}

// Reads until the end or one byte past the limit, so that a larger file is told apart.
bool ReadAll(int descriptor, std::size_t expected, std::string& bytes) {
    bytes.resize(std::min(expected, kDatabaseSizeLimit) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > kDatabaseSizeLimit) {
                return true;
            }
            bytes.resize(std::min(bytes.size() * 2, kDatabaseSizeLimit + 1));
        }
        const ssize_t count = read(descriptor, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return false;
        }
        if (count == 0) {
            bytes.resize(done);
            return true;
        }
        done += static_cast<std::size_t>(count);
    }
}

} // namespace

DatabaseFile ReadDatabaseFile(const CString& path) {
    const Descriptor descriptor(OpenForReading(path.GetString()));
    struct stat status {};
    if (descriptor.Get() < 0 || fstat(descriptor.Get(), &status) != 0) {
        return Refused(std::strerror(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return Refused(std::strerror(EISDIR));
    }
    // A pipe is read to its end, bounded by the limit; a device may never end (/dev/zero).
    if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode)) {
        return Refused("not a regular file");
    }
    const std::size_t expected = S_ISREG(status.st_mode) && status.st_size > 0
                                     ? static_cast<std::size_t>(status.st_size)
                                     : std::size_t{64} << 10;
    if (expected > kDatabaseSizeLimit) {
        return Refused("larger than 32 MiB");
    }
    DatabaseFile file;
    try {
        if (!ReadAll(descriptor.Get(), expected, file.bytes)) {
            return Refused(std::strerror(errno));
        }
    } catch (const std::bad_alloc&) {
        return Refused("out of memory");
    }
    // A file that grew past the limit while it was read.
    if (file.bytes.size() > kDatabaseSizeLimit) {
        return Refused("larger than 32 MiB");
    }
    file.read = true;
    return file;
}

} // namespace vxcheck
