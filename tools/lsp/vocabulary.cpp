// The server's vocabulary, copied from the library's: PHREEQC 3's blocks with their spellings and
// options, and its BASIC words. An option that PHREEQC lists with a trailing blank (SURFACE's
// "type ") is offered without it: only its dashed, abbreviated form ever matches.
#include "lsp/vocabulary.h"

#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>

#include <algorithm>

namespace vxcheck::lsp {

Vocabulary::Vocabulary(Cvx_Check& checker) {
    for (const BlockVocabulary& vocabulary : BlockVocabularies()) {
        BlockInfo& block = m_blocks.emplace_back();
        block.name = vocabulary.name;
        for (std::string_view spelling : vocabulary.spellings) {
            block.spellings.emplace_back(spelling);
            m_keywords.push_back({std::string(spelling), &block});
        }
        for (std::string_view option : vocabulary.options) {
            block.options.emplace_back(option.substr(0, option.find(' ')));
        }
    }
    std::sort(m_keywords.begin(), m_keywords.end(),
              [](const KeywordEntry& a, const KeywordEntry& b) { return a.spelling < b.spelling; });
    for (std::size_t i = 0; i < m_keywords.size(); ++i) {
        m_spellingIndex.emplace(m_keywords[i].spelling, i);
    }
    Cvx_KwTree tree;
    checker.BuildKeywordTree(&tree);
    for (Cvx_KwTreeNode* group = tree.GetRoot()->m_child; group != nullptr; group = group->m_next) {
        for (Cvx_KwTreeNode* keyword = group->m_child; keyword != nullptr;
             keyword = keyword->m_next) {
            auto it = m_spellingIndex.find(Lower(keyword->m_name.GetString()));
            if (it == m_spellingIndex.end()) {
                continue; // a keyword of the checker's own that PHREEQC 3 does not read
            }
            for (BlockInfo& block : m_blocks) {
                if (&block == m_keywords[it->second].block) {
                    block.group = group->m_name.GetString();
                }
            }
        }
    }
    for (const BasicWordInfo& word : BasicVocabulary()) {
        m_basic.emplace_back(word.name);
    }
}

const BlockInfo* Vocabulary::FindBlock(std::string_view word) const {
    auto it = m_spellingIndex.find(Lower(word));
    return it == m_spellingIndex.end() ? nullptr : m_keywords[it->second].block;
}

} // namespace vxcheck::lsp
