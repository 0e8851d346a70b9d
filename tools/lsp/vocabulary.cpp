// Builds the union vocabulary. PHREEQC 3's tables come first: they group the spellings into
// blocks and give every option in matching order. The checker adds its keywords that PHREEQC 3
// lacks (each a block of its own), the options it lists, the topic groups of its keyword tree and
// its BASIC words.
#include "lsp/vocabulary.h"

#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>
#include <vxcheck/phreeqc3.h>

#include <algorithm>
#include <cctype>

namespace vxcheck::lsp {

namespace {

bool StartsWithLetter(const std::string& word) {
    return !word.empty() && std::isalpha(static_cast<unsigned char>(word[0])) != 0;
}

} // namespace

Vocabulary::Vocabulary(Cvx_Check& checker) {
    for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
        AddSpelling(std::string(keyword.spelling), std::string(keyword.block));
    }
    for (BlockInfo& block : m_blocks) {
        for (std::string_view option : Phreeqc3OptionsOf(block.name)) {
            AddOption(block, std::string(option));
        }
    }
    for (const CString& keyword : checker.GetKeywords()) {
        std::string spelling = Lower(keyword.GetString());
        AddSpelling(spelling, spelling);
    }
    for (const CString& keyword : checker.GetKeywords()) {
        BlockInfo& block =
            BlockNamed(m_keywords[m_spellingIndex.at(Lower(keyword.GetString()))].block->name);
        for (const CString& identifier : checker.GetIdentifier(keyword)) {
            std::string_view text = identifier.GetString();
            if (!text.empty() && text.front() == '-') {
                AddOption(block, Lower(text.substr(1)));
            }
        }
    }
    Cvx_KwTree tree;
    checker.BuildKeywordTree(&tree);
    for (Cvx_KwTreeNode* group = tree.GetRoot()->m_child; group != nullptr; group = group->m_next) {
        for (Cvx_KwTreeNode* keyword = group->m_child; keyword != nullptr;
             keyword = keyword->m_next) {
            auto it = m_spellingIndex.find(Lower(keyword->m_name.GetString()));
            if (it != m_spellingIndex.end()) {
                BlockNamed(m_keywords[it->second].block->name).group = group->m_name.GetString();
            }
        }
    }
    std::vector<std::string> basic;
    for (const Phreeqc3BasicWord& word : Phreeqc3BasicWords()) {
        basic.emplace_back(word.token);
    }
    for (const CString& word : checker.GetBasic()) {
        basic.emplace_back(word.GetString());
    }
    for (const std::string& word : basic) {
        std::string text = Lower(word);
        if (StartsWithLetter(text) &&
            std::find(m_basic.begin(), m_basic.end(), text) == m_basic.end()) {
            m_basic.push_back(text);
        }
    }
    std::sort(m_basic.begin(), m_basic.end());
    std::sort(m_keywords.begin(), m_keywords.end(),
              [](const KeywordEntry& a, const KeywordEntry& b) { return a.spelling < b.spelling; });
    m_spellingIndex.clear();
    for (std::size_t i = 0; i < m_keywords.size(); ++i) {
        m_spellingIndex.emplace(m_keywords[i].spelling, i);
    }
}

BlockInfo& Vocabulary::BlockNamed(const std::string& name) {
    auto [it, added] = m_blockIndex.try_emplace(name, m_blocks.size());
    if (added) {
        m_blocks.push_back(BlockInfo{name, {}, {}, {}});
    }
    return m_blocks[it->second];
}

void Vocabulary::AddSpelling(const std::string& spelling, const std::string& block) {
    if (m_spellingIndex.count(spelling) != 0) {
        return;
    }
    BlockInfo& info = BlockNamed(block);
    info.spellings.push_back(spelling);
    m_spellingIndex.emplace(spelling, m_keywords.size());
    m_keywords.push_back({spelling, &info});
}

void Vocabulary::AddOption(BlockInfo& block, std::string option) {
    if (std::find(block.options.begin(), block.options.end(), option) == block.options.end()) {
        block.options.push_back(std::move(option));
    }
}

const BlockInfo* Vocabulary::FindBlock(std::string_view word) const {
    auto it = m_spellingIndex.find(Lower(word));
    return it == m_spellingIndex.end() ? nullptr : m_keywords[it->second].block;
}

} // namespace vxcheck::lsp
