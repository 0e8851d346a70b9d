// The tokens of one BASIC line as an editor colours them.
#pragma once

#include "basic/tokens.h"

#include <vxcheck/input/highlight.h>

#include <string_view>
#include <vector>

namespace vxcheck::basic {

// A coloured piece of a BASIC line: bytes [begin, end) of its text.
struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    HighlightKind kind = HighlightKind::BasicKeyword;
};

class LineHighlighter {
  public:
    // Appends the spans of line to spans, in order: line number, words, strings, numbers,
    // operators; REM and what follows as a comment.
    void Highlight(std::string_view line, std::vector<LineSpan>& spans);

  private:
    TokenizedLine m_tokens; // kept, so that its storage is reused line after line
};

} // namespace vxcheck::basic
