// The items of a completion list and where their names come from: the vocabulary, the document's
// database and the input's own definitions before the point.
#pragma once

#include "lsp/features/completion_filter.h"
#include "lsp/features/features.h"
#include "lsp/features/snippets.h"

#include <vxcheck/input/names.h>
#include <vxcheck/input/position.h>
#include <vxcheck/input/vocabulary.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck::lsp {

// The names of the document's database and those the input defines before the point, the latter
// read from the outline on first need.
class NameSources {
  public:
    NameSources(const NameTable* database, const Outline& outline, std::size_t offset)
        : m_database(database), m_outline(outline), m_offset(offset) {}

    // The entries of a kind: the database's first, then the input's.
    std::vector<const NameEntry*> All(NameKind kind);
    bool Has(NameKind kind, std::string_view name);

  private:
    const NameTable& Input();

    const NameTable* m_database;
    const Outline& m_outline;
    std::size_t m_offset;
    const NameTable* m_input = nullptr;
};

class CompletionItems {
  public:
    // Items replace the document's text from begin (an offset) to point.
    CompletionItems(const FeatureContext& context, TextPoint point, std::size_t begin);

    // Items added from now on replace the text from begin on instead.
    void MoveStart(std::size_t begin);
    // Adds an item, unless one with the same label is there already or the filter leaves it out.
    void Add(const std::string& label, CompletionItemKind kind, std::string detail,
             std::string text = {}, bool snippet = false);
    void AddWords(std::span<const std::string_view> words, CompletionItemKind kind,
                  const std::string& detail);
    void AddKeywords();
    void AddSnippet(const BlockSnippet& snippet);
    // The block's options with their dash, or written whole without it.
    void AddOptions(const BlockInfo& block, bool dashed);
    void AddBasicWords(BasicRole role);
    // The names of an expected kind (Element, Species, Phase, Gas, ExchangeFormula,
    // SurfaceFormula, RateName); nothing for other kinds.
    void AddNames(NameSources& names, Expected expected);
    void AddBasicNames(NameSources& names, BasicNames kind);
    // The files and folders beside the document that begin with the text before offset.
    void AddFiles(std::size_t offset);

    CompletionList Take() {
        m_list.isIncomplete = m_filter.LeftOut();
        return std::move(m_list);
    }

  private:
    void AddKind(NameSources& names, NameKind kind, CompletionItemKind itemKind,
                 const char* detail);
    void AddPhases(NameSources& names, bool gasesOnly);
    void AddRedoxCouples(NameSources& names);

    const FeatureContext& m_context;
    TextPoint m_point;
    Range m_range;
    CompletionList m_list;
    CompletionFilter m_filter;
};

} // namespace vxcheck::lsp
