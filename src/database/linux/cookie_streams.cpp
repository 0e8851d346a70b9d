// Database streams through the C runtime's cookie streams, so that the reader's byte loop stays a
// plain buffered getc whatever it reads: the file's reads stop at the size limit, and memory is
// copied into the stream's buffer a block at a time.
#include "database/database_stream.h"

#include <vxcheck/database_file.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace vxcheck::detail {

namespace {

struct LimitedFile {
    int descriptor;
    std::size_t left; // bytes that may still be read
};

ssize_t ReadLimited(void* cookie, char* buffer, std::size_t size) {
    auto* file = static_cast<LimitedFile*>(cookie);
    // Past the limit the file reads as ended (docs/decisions.md, "Database size limit").
    const std::size_t wanted = std::min(size, file->left);
    if (wanted == 0) {
        return 0;
    }
    ssize_t count = 0;
    do {
        count = read(file->descriptor, buffer, wanted);
    } while (count < 0 && errno == EINTR);
    if (count > 0) {
        file->left -= static_cast<std::size_t>(count);
    }
    return count;
}

int CloseLimited(void* cookie) {
    auto* file = static_cast<LimitedFile*>(cookie);
    const int result = close(file->descriptor);
    delete file;
    return result;
}

struct Memory {
    std::string_view bytes;
    std::size_t at = 0;
};

ssize_t ReadMemory(void* cookie, char* buffer, std::size_t size) {
    auto* memory = static_cast<Memory*>(cookie);
    const std::size_t count = std::min(size, memory->bytes.size() - memory->at);
    std::memcpy(buffer, memory->bytes.data() + memory->at, count);
    memory->at += count;
    return static_cast<ssize_t>(count);
}

int CloseMemory(void* cookie) {
    delete static_cast<Memory*>(cookie);
    return 0;
}

} // namespace

std::FILE* OpenLimitedFile(const char* path) {
    const int descriptor = open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    // The stream's close function frees the cookie.
    auto* file = new LimitedFile{descriptor, kDatabaseSizeLimit};
    std::FILE* stream = fopencookie(file, "r", {ReadLimited, nullptr, nullptr, CloseLimited});
    if (stream == nullptr) {
        close(descriptor);
        delete file;
    }
    return stream;
}

std::FILE* OpenMemory(std::string_view bytes) {
    auto* memory = new Memory{bytes};
    std::FILE* stream = fopencookie(memory, "r", {ReadMemory, nullptr, nullptr, CloseMemory});
    if (stream == nullptr) {
        delete memory;
    }
    return stream;
}

} // namespace vxcheck::detail
