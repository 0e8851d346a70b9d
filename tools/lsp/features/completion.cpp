// textDocument/completion: what may stand at the point, by the kind of place it is in.
// Keywords and BASIC words are offered in upper case, as PHREEQC users write them.
#include "lsp/features/analysis.h"
#include "lsp/features/features.h"

namespace vxcheck::lsp {
namespace {

// The kind and the detail that items of a name list carry.
struct ListStyle {
    CompletionItemKind kind;
    const char* detail;
};

ListStyle StyleOf(NameList list) {
    switch (list) {
    case NameList::AqueousSpecies:
        return {CompletionItemKind::Value, "aqueous species"};
    case NameList::Phases:
        return {CompletionItemKind::Class, "phase"};
    case NameList::Gases:
        return {CompletionItemKind::Class, "gas"};
    case NameList::ExchangeMasterSpecies:
        return {CompletionItemKind::Constant, "exchange master species"};
    case NameList::SurfaceMasterSpecies:
        return {CompletionItemKind::Constant, "surface master species"};
    case NameList::CompositionNames:
        return {CompletionItemKind::Constant, "composition name"};
    default:
        return {CompletionItemKind::Constant, "master species"};
    }
}

class Items {
  public:
    Items(const FeatureContext& context, const Cursor& cursor, TextPoint point)
        : m_context(context), m_range(context.document.ToRange({point.line, cursor.word.begin},
                                                               point, context.encoding)) {}

    void Add(std::string label, CompletionItemKind kind, std::string detail) {
        std::string text = label;
        m_list.items.push_back(
            {std::move(label), kind, std::move(detail), {m_range, std::move(text)}});
    }

    void AddKeywords() {
        for (const KeywordEntry& keyword : m_context.vocabulary.Keywords()) {
            Add(Upper(keyword.spelling), CompletionItemKind::Keyword, keyword.block->group);
        }
    }

    void AddOptions(const BlockInfo& block) {
        for (const std::string& option : block.options) {
            Add("-" + option, CompletionItemKind::Property, {});
        }
    }

    void AddBasicWords() {
        for (const std::string& word : m_context.vocabulary.BasicWords()) {
            Add(Upper(word), CompletionItemKind::Function, "BASIC");
        }
    }

    void AddNames(NameList list) {
        if (m_context.database == nullptr || list == NameList::None) {
            return;
        }
        ListStyle style = StyleOf(list);
        bool phases = list == NameList::Phases || list == NameList::Gases;
        for (const std::string& name : m_context.database->List(list)) {
            std::string_view formula = phases ? m_context.database->FormulaOf(name) : "";
            Add(name, style.kind, formula.empty() ? style.detail : std::string(formula));
        }
    }

    CompletionList Take() { return std::move(m_list); }

  private:
    const FeatureContext& m_context;
    Range m_range;
    CompletionList m_list;
};

} // namespace

CompletionList Completion(const FeatureContext& context, TextPoint point) {
    Cursor cursor = Analyze(context.document, context.outline, point);
    Items items(context, cursor, point);
    switch (cursor.place) {
    case Place::Keyword:
        items.AddKeywords();
        if (cursor.basic) {
            items.AddBasicWords();
        }
        items.AddNames(cursor.names);
        break;
    case Place::Option:
        if (cursor.block != nullptr) {
            items.AddOptions(*cursor.block->info);
        }
        break;
    case Place::Basic:
        items.AddBasicWords();
        break;
    case Place::Data:
    case Place::BasicString:
        items.AddNames(cursor.names);
        break;
    case Place::Comment:
    case Place::Argument:
        break;
    }
    return items.Take();
}

} // namespace vxcheck::lsp
