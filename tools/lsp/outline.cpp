// A statement opens a block when its first word is a keyword spelling; PHREEQC tests this on
// every line first, so a keyword ends the block before it wherever it stands.
#include "lsp/outline.h"

#include <algorithm>

namespace vxcheck::lsp {

void Outline::AddLine(std::string_view text, int line, const Vocabulary& vocabulary) {
    bool continued = !m_continued.empty() && !m_scratch.empty() && m_scratch.back().continues;
    m_continued.push_back(continued ? 1 : 0);
    m_scratch.clear();
    SplitStatements(text, line, continued, m_scratch);
    for (const Statement& statement : m_scratch) {
        Word first = FirstWord(text, statement.begin, statement.end);
        if (first.begin == first.end) {
            continue;
        }
        const BlockInfo* info =
            statement.continued
                ? nullptr
                : vocabulary.FindBlock(text.substr(first.begin, first.end - first.begin));
        if (info != nullptr) {
            BlockSpan block;
            block.info = info;
            block.line = line;
            block.keyword = first;
            block.headerEnd = statement.end;
            block.argument = CollapseBlanks(text, first.end, statement.end);
            m_blocks.push_back(std::move(block));
        }
        if (!m_blocks.empty()) {
            std::size_t end = statement.end;
            while (end > first.begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) {
                --end;
            }
            m_blocks.back().lastLine = line;
            m_blocks.back().lastEnd = end;
        }
    }
}

const BlockSpan* Outline::BlockAt(int line, std::size_t byte) const {
    auto after = std::upper_bound(
        m_blocks.begin(), m_blocks.end(), std::make_pair(line, byte),
        [](const std::pair<int, std::size_t>& point, const BlockSpan& block) {
            return point.first < block.line ||
                   (point.first == block.line && point.second < block.keyword.begin);
        });
    return after == m_blocks.begin() ? nullptr : &*(after - 1);
}

} // namespace vxcheck::lsp
