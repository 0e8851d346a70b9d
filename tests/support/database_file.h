// Small database files that the tests write, and lists joined into one text for comparisons.
#pragma once

#include "support/generated_file.h"

#include <vxcheck/check.h>

#include <cstdio>
#include <string>

using Names = std::vector<CString>;

// A file in the temporary folder holding text byte for byte; removed with the object.
class DatabaseFile : public GeneratedFile {
  public:
    explicit DatabaseFile(const std::string& text)
        : GeneratedFile(
              [&text](std::FILE* file) { std::fwrite(text.data(), 1, text.size(), file); }) {}
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
        if (&name != names.data()) {
            joined += '|';
        }
        joined += Text(name);
    }
    return joined;
}
