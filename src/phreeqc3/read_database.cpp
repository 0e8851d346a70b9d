// PHREEQC 3 reading: builds the view of a database file and lets the checker's own reader read
// it, through a temporary file that is removed afterwards.
#include <vxcheck/check.h>
#include <vxcheck/phreeqc3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include <stdlib.h>
#include <unistd.h>

namespace vxcheck {

namespace {

bool ReadWholeFile(const CString& path, std::string& bytes) {
    std::ifstream file(path.GetString(), std::ios::binary);
    if (!file) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

// A file in the temporary folder that holds a text while the object lives. Its name is unique
// (mkstemp), so two readings at once never share one.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& text) {
        std::error_code error;
        std::filesystem::path folder = std::filesystem::temp_directory_path(error);
        if (error) {
            folder = "/tmp";
        }
        std::string name = (folder / "vxcheck-view-XXXXXX").string();
        const int descriptor = mkstemp(name.data());
        if (descriptor < 0) {
            return;
        }
        m_path = name;
        m_written = WriteAll(descriptor, text);
        m_written = close(descriptor) == 0 && m_written;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!m_path.empty()) {
            unlink(m_path.c_str());
        }
    }

    // True when the whole text stands in the file.
    bool Written() const { return m_written; }
    const std::string& Path() const { return m_path; }

  private:
    static bool WriteAll(int descriptor, const std::string& text) {
        std::size_t done = 0;
        while (done < text.size()) {
            const ssize_t count = write(descriptor, text.data() + done, text.size() - done);
            if (count <= 0) {
                return false;
            }
            done += static_cast<std::size_t>(count);
        }
        return true;
    }

    std::string m_path;
    bool m_written = false;
};

} // namespace

bool ReadDatabasePhreeqc3(Cvx_Check& checker, const CString& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        // The reader meets the same unreadable file and ends its read as it always does.
        checker.ReadDatabase(path);
        return false;
    }
    const TemporaryFile view(Phreeqc3View(bytes));
    if (!view.Written()) {
        checker.ReadDatabase(CString()); // an empty path opens nothing
        return false;
    }
    checker.ReadDatabase(CString(view.Path().c_str()));
    return true;
}

} // namespace vxcheck
