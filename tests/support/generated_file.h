// Large files that a test or a benchmark writes piece by piece, so that making one costs no memory.
#pragma once

#include <vxcheck/platform/cstring.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

// A file in the temporary folder filled by write; removed with the object.
class GeneratedFile {
  public:
    explicit GeneratedFile(const std::function<void(std::FILE*)>& write) {
#if defined(_WIN32)
        // Binary, so that every byte written is a byte of the file.
        std::FILE* file = _mktemp_s(m_path.data(), m_path.size() + 1) == 0
                              ? std::fopen(m_path.c_str(), "wb")
                              : nullptr;
#else
        const int descriptor = mkstemp(m_path.data());
        std::FILE* file = descriptor >= 0 ? fdopen(descriptor, "w") : nullptr;
#endif
        if (file != nullptr) {
            write(file);
            std::fclose(file);
        }
    }
    GeneratedFile(const GeneratedFile&) = delete;
    GeneratedFile& operator=(const GeneratedFile&) = delete;
    ~GeneratedFile() {
        std::remove(m_path.c_str());
    }
    CString Path() const {
        return m_path.c_str();
    }
    long Size() const {
        return static_cast<long>(std::filesystem::file_size(m_path));
    }

  private:
    std::string m_path =
        (std::filesystem::temp_directory_path() / "vxcheck-generated-XXXXXX").string();
};
