// The data blocks of a text: where each keyword statement stands and how far its block runs.
// Made in one pass over the statements, for open documents and for database files.
#pragma once

#include "lsp/statements.h"
#include "lsp/vocabulary.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck::lsp {

// One block: its keyword statement and the last statement with text before the next keyword.
struct BlockSpan {
    const BlockInfo* info = nullptr;
    int line = 0;              // line of the keyword
    Word keyword;              // the keyword as written
    std::size_t headerEnd = 0; // end of the keyword statement's text on its line
    std::string argument;      // rest of the keyword statement, blanks collapsed
    int lastLine = 0;          // where the block's last statement with text ends
    std::size_t lastEnd = 0;
};

class Outline {
  public:
    // Cuts lines (any type with LineCount() and Line(int)) into statements and blocks.
    template <typename Lines> Outline(const Lines& lines, const Vocabulary& vocabulary);

    const std::vector<BlockSpan>& Blocks() const { return m_blocks; }
    // The block whose keyword stands at or before (line, byte), or null.
    const BlockSpan* BlockAt(int line, std::size_t byte) const;
    // Whether line begins inside a statement that the line before continues.
    bool StartsContinued(int line) const {
        return m_continued[static_cast<std::size_t>(line)] != 0;
    }

  private:
    void AddLine(std::string_view text, int line, const Vocabulary& vocabulary);

    std::vector<BlockSpan> m_blocks;
    std::vector<unsigned char> m_continued;
    std::vector<Statement> m_scratch;
};

template <typename Lines> Outline::Outline(const Lines& lines, const Vocabulary& vocabulary) {
    m_continued.reserve(static_cast<std::size_t>(lines.LineCount()));
    for (int line = 0; line < lines.LineCount(); ++line) {
        AddLine(lines.Line(line), line, vocabulary);
    }
}

// Lines of a text held elsewhere (a database file), for Outline and statement walks.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : m_lines(SplitLines(text)) {}
    int LineCount() const { return static_cast<int>(m_lines.size()); }
    std::string_view Line(int line) const { return m_lines[static_cast<std::size_t>(line)]; }

  private:
    std::vector<std::string_view> m_lines;
};

} // namespace vxcheck::lsp
