// Helpers shared by the fuzz targets: cutting the fuzzer's bytes into lines and words, and
// stopping with a message when the library breaks a rule that the target checks.
#pragma once

#include <vxcheck/platform/cstring.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace vxcheck::fuzz {

// The input's lines, without their line feeds; every byte, NUL included, stays in its line.
inline std::vector<std::string> SplitLines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back().push_back(static_cast<char>(data[i]));
        }
    }
    return lines;
}

// The runs of bytes between blanks and tabs.
inline std::vector<CString> SplitWords(const std::string& text) {
    std::vector<CString> words;
    std::string word;
    for (const char ch : text + ' ') {
        if (ch == ' ' || ch == '\t') {
            if (!word.empty()) {
                words.emplace_back(word.data(), static_cast<int>(word.size()));
                word.clear();
            }
        } else {
            word.push_back(ch);
        }
    }
    return words;
}

inline CString ToCString(const std::string& text) {
    return {text.data(), static_cast<int>(text.size())};
}

// A broken rule is a fault like a crash: report it and abort, so that the fuzzer keeps the input.
inline void Expect(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "rule broken: %s\n", rule);
        std::abort();
    }
}

// A file that holds the current input, for the operations that read a file by its path. It is made
// once, in the temporary folder, rewritten for each input and removed at exit.
class InputFile {
  public:
    InputFile() {
        const char* folder = std::getenv("TMPDIR");
        m_path = std::string(folder != nullptr ? folder : "/tmp") + "/vxcheck-fuzz-XXXXXX";
        const int descriptor = mkstemp(m_path.data());
        Expect(descriptor >= 0, "a temporary file can be made");
        close(descriptor);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() { std::remove(m_path.c_str()); }

    // Replaces the file's content with the input; returns its path.
    CString Write(const std::uint8_t* data, std::size_t size) const {
        std::FILE* file = std::fopen(m_path.c_str(), "wb");
        Expect(file != nullptr && std::fwrite(data, 1, size, file) == size, "input written");
        std::fclose(file);
        return m_path.c_str();
    }

  private:
    std::string m_path;
};

} // namespace vxcheck::fuzz
