// Database streams on Windows, whose C runtime has no cookie streams: memory reaches the reader
// through a temporary file that the system deletes when the stream closes, and a file is read
// through a binary stream of its own, or through such a copy of its first 32 MiB when it is
// larger or no regular file. Either way the reader's byte loop stays a plain buffered getc.
#include "database/database_stream.h"

#include <vxcheck/database_file.h>

#include <windows.h>

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <sys/stat.h>

namespace vxcheck::detail {

namespace {

// Writes every byte; false when the file takes fewer.
bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD wanted =
            bytes.size() < (DWORD{1} << 30) ? static_cast<DWORD>(bytes.size()) : (DWORD{1} << 30);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), wanted, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// A binary read-only stream over the descriptor, which it then owns; null (and the descriptor
// closed) when none can be made.
std::FILE* StreamOver(int descriptor) {
    std::FILE* stream = _fdopen(descriptor, "rb");
    if (stream == nullptr) {
        _close(descriptor);
    }
    return stream;
}

// Reads up to the size limit from the descriptor, which it then closes.
std::string ReadUpToLimit(int descriptor) {
    std::string bytes;
    char block[1 << 16];
    while (bytes.size() < kDatabaseSizeLimit) {
        const std::size_t room = kDatabaseSizeLimit - bytes.size();
        const int count = _read(descriptor, block,
                                room < sizeof block ? static_cast<unsigned>(room) : sizeof block);
        if (count <= 0) {
            break;
        }
        bytes.append(block, static_cast<std::size_t>(count));
    }
    _close(descriptor);
    return bytes;
}

} // namespace

std::FILE* OpenLimitedFile(const char* path) {
    const int descriptor = _open(path, _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        return nullptr;
    }
    struct _stat64 status {};
    if (_fstat64(descriptor, &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG &&
        static_cast<unsigned long long>(status.st_size) <= kDatabaseSizeLimit) {
        return StreamOver(descriptor);
    }
    // Past the limit the file reads as ended (docs/decisions.md, "Database size limit").
    const std::string head = ReadUpToLimit(descriptor);
    return OpenMemory(head);
}

std::FILE* OpenMemory(std::string_view bytes) {
    char folder[MAX_PATH + 1];
    char name[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length > sizeof folder || GetTempFileNameA(folder, "vxc", 0, name) == 0) {
        return nullptr;
    }
    // Temporary: the system keeps it in memory while it can. Deleted when its last handle, the
    // stream's, closes; no other process may open it meanwhile.
    const HANDLE file = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(name);
        return nullptr;
    }
    if (!WriteAll(file, bytes) || SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0) {
        CloseHandle(file);
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(file);
        return nullptr;
    }
    return StreamOver(descriptor);
}

} // namespace vxcheck::detail
