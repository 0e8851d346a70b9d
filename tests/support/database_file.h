// Small database files that the tests write, and lists joined into one text for comparisons.
#pragma once

#include <vxcheck/check.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

using Names = std::vector<CString>;

// A file in the temporary folder holding text byte for byte; removed with the object.
struct DatabaseFile {
    explicit DatabaseFile(const std::string& text) {
        const int fd = mkstemp(path.data());
        if (fd >= 0) {
            [[maybe_unused]] const auto written = write(fd, text.data(), text.size());
            close(fd);
        }
    }
    ~DatabaseFile() { std::remove(path.c_str()); }
    CString Path() const { return path.c_str(); }

    std::string path = (std::filesystem::temp_directory_path() / "vxcheck-db-XXXXXX").string();
};

inline void ReadText(Cvx_Check& checker, const std::string& text) {
    checker.ReadDatabase(DatabaseFile(text).Path());
}

inline std::string Text(const CString& text) {
    return std::string(text.GetString(), static_cast<std::size_t>(text.GetLength()));
}

// The entries joined by "|": {"a", "", "b"} gives "a||b".
inline std::string Join(const Names& names) {
    std::string joined;
    for (const CString& name : names) {
        joined += (&name == names.data() ? "" : "|") + Text(name);
    }
    return joined;
}
