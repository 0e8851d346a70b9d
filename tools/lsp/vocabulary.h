// The input vocabulary that the server offers and accepts: PHREEQC 3's keywords grouped into the
// blocks they open, each block's options and the BASIC words, all from the library; the topic
// group of each block from the checker's keyword tree. Built once, read only afterwards.
#pragma once

#include "lsp/text.h"

#include <vxcheck/input/vocabulary.h>

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Cvx_Check;

namespace vxcheck::lsp {

// One kind of data block and what may stand in it.
struct BlockInfo {
    std::string name;                   // lower case, such as "equilibrium_phases"
    std::vector<std::string> spellings; // lower case, every keyword that opens the block
    std::vector<std::string> options;   // lower case, without dash, in PHREEQC's matching order
    std::string group;                  // topic group of the keyword tree, or empty
};

// One keyword spelling and the block it opens.
struct KeywordEntry {
    std::string spelling; // lower case
    const BlockInfo* block;
};

class Vocabulary {
  public:
    explicit Vocabulary(Cvx_Check& checker);
    Vocabulary(const Vocabulary&) = delete;
    Vocabulary& operator=(const Vocabulary&) = delete;

    // The block that a keyword spelling opens, compared whole without regard to case, or null.
    const BlockInfo* FindBlock(std::string_view word) const;
    // Every keyword spelling, in sorted order.
    const std::vector<KeywordEntry>& Keywords() const { return m_keywords; }
    // The BASIC words, lower case, sorted.
    const std::vector<std::string>& BasicWords() const { return m_basic; }

  private:
    std::deque<BlockInfo> m_blocks; // a deque, since KeywordEntry points into it
    std::unordered_map<std::string, std::size_t> m_spellingIndex; // into m_keywords
    std::vector<KeywordEntry> m_keywords;
    std::vector<std::string> m_basic;
};

} // namespace vxcheck::lsp
