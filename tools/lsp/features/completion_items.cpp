// Completion items, each kind of place's words in the form users write them: keywords and BASIC
// words in upper case, options with or without their dash, names as the database spells them.
#include "lsp/features/completion_items.h"

#include "lsp/document_database.h"

#include <algorithm>
#include <filesystem>

namespace vxcheck::lsp {
namespace {

// How many directory entries a file name completion looks at.
constexpr std::size_t kFileEntries = 500;

bool IsGas(std::string_view name) {
    return name.size() > 3 && Lower(name.substr(name.size() - 3)) == "(g)";
}

} // namespace

std::vector<const NameEntry*> NameSources::All(NameKind kind) {
    std::vector<const NameEntry*> entries;
    if (m_database != nullptr) {
        entries = m_database->All(kind);
    }
    std::vector<const NameEntry*> own = Input().All(kind);
    entries.insert(entries.end(), own.begin(), own.end());
    return entries;
}

bool NameSources::Has(NameKind kind, std::string_view name) {
    return (m_database != nullptr && m_database->Find(kind, name) != nullptr) ||
           Input().Find(kind, name) != nullptr;
}

const NameTable& NameSources::Input() {
    if (m_input == nullptr) {
        m_input = &m_outline.NamesBefore(m_offset);
    }
    return *m_input;
}

CompletionItems::CompletionItems(const FeatureContext& context, TextPoint point, std::size_t begin)
    : m_context(context), m_point(point) {
    MoveStart(begin);
}

void CompletionItems::MoveStart(std::size_t begin) {
    TextPoint start = m_context.document.PointAt(begin);
    if (start.line != m_point.line || start.byte > m_point.byte) {
        start = m_point; // a word that began on an earlier line of a joined statement
    }
    m_range = m_context.document.ToRange(start, m_point, m_context.encoding);
    const std::string_view line = m_context.document.Line(m_point.line);
    m_filter.Retype(line.substr(std::min(start.byte, line.size()), m_point.byte - start.byte));
}

void CompletionItems::Add(const std::string& label, CompletionItemKind kind, std::string detail,
                          std::string text, bool snippet) {
    if (label.empty() || !m_filter.Keep(label)) {
        return;
    }
    if (text.empty()) {
        text = label;
    }
    m_list.items.push_back({label, kind, std::move(detail), {m_range, std::move(text)}, snippet});
}

void CompletionItems::AddWords(std::span<const std::string_view> words, CompletionItemKind kind,
                               const std::string& detail) {
    for (std::string_view word : words) {
        Add(std::string(word), kind, detail);
    }
}

void CompletionItems::AddKeywords() {
    for (const KeywordEntry& keyword : m_context.vocabulary.Keywords()) {
        Add(Upper(keyword.spelling), CompletionItemKind::Keyword,
            keyword.block->group.empty() ? Upper(keyword.block->name) : keyword.block->group);
    }
    // INCLUDE$ stands where a keyword may.
    Add("INCLUDE$", CompletionItemKind::Keyword, "reads a file in place of this line");
}

void CompletionItems::AddSnippet(const BlockSnippet& snippet) {
    Add(std::string(snippet.label), CompletionItemKind::Snippet, std::string(snippet.detail),
        std::string(snippet.body), true);
}

void CompletionItems::AddOptions(const BlockInfo& block, bool dashed) {
    const std::string detail = "option of " + Upper(block.name);
    for (const std::string& option : block.options) {
        if (dashed) {
            Add("-" + option, CompletionItemKind::Property, detail);
        } else {
            // Users write the hydrogen-ion option as pH.
            Add(option == "ph" ? "pH" : option, CompletionItemKind::Property,
                detail + ", without its dash");
        }
    }
}

void CompletionItems::AddBasicWords(BasicRole role) {
    for (const BasicWordInfo& word : BasicVocabulary()) {
        if (word.role == role) {
            Add(Upper(word.name),
                role == BasicRole::Function ? CompletionItemKind::Function
                                            : CompletionItemKind::Keyword,
                word.signature);
        }
    }
}

void CompletionItems::AddKind(NameSources& names, NameKind kind, CompletionItemKind itemKind,
                              const char* detail) {
    for (const NameEntry* entry : names.All(kind)) {
        // The electron's element "E" is no element a user names.
        if (!(kind == NameKind::Element && entry->name == "E")) {
            Add(entry->name, itemKind, detail);
        }
    }
}

void CompletionItems::AddPhases(NameSources& names, bool gasesOnly) {
    for (const NameEntry* entry : names.All(NameKind::Phase)) {
        // Every exchange species is also a phase of the table, for INVERSE_MODELING only.
        if ((gasesOnly && !IsGas(entry->name)) ||
            names.Has(NameKind::ExchangeSpecies, entry->name)) {
            continue;
        }
        Add(entry->name, CompletionItemKind::Class,
            entry->formula.empty() ? std::string(gasesOnly ? "gas" : "phase") : entry->formula);
    }
}

// Each pair of valence states of one element, both ways round: "O(0)/O(-2)", "O(-2)/O(0)".
void CompletionItems::AddRedoxCouples(NameSources& names) {
    const std::vector<const NameEntry*> states = names.All(NameKind::ValenceState);
    for (const NameEntry* first : states) {
        const std::string element = first->name.substr(0, first->name.find('('));
        for (const NameEntry* second : states) {
            if (second != first && second->name.starts_with(element + "(")) {
                Add(first->name + "/" + second->name, CompletionItemKind::Constant, "redox couple");
            }
        }
    }
}

void CompletionItems::AddNames(NameSources& names, Expected expected) {
    switch (expected) {
    case Expected::Element:
        AddKind(names, NameKind::Element, CompletionItemKind::Constant, "element");
        AddKind(names, NameKind::ValenceState, CompletionItemKind::Constant, "valence state");
        break;
    case Expected::Species:
        AddKind(names, NameKind::AqueousSpecies, CompletionItemKind::Value, "aqueous species");
        break;
    case Expected::SorbedSpecies:
        AddKind(names, NameKind::ExchangeSpecies, CompletionItemKind::Value, "exchange species");
        AddKind(names, NameKind::SurfaceSpecies, CompletionItemKind::Value, "surface species");
        break;
    case Expected::RedoxCouple:
        AddRedoxCouples(names);
        break;
    case Expected::Phase:
    case Expected::Gas:
        AddPhases(names, expected == Expected::Gas);
        break;
    case Expected::ExchangeFormula:
        AddKind(names, NameKind::ExchangeMaster, CompletionItemKind::Constant, "exchanger");
        AddKind(names, NameKind::ExchangeSpecies, CompletionItemKind::Value, "exchange species");
        break;
    case Expected::SurfaceFormula:
        for (const NameEntry* entry : names.All(NameKind::SurfaceMaster)) {
            Add(entry->formula.empty() ? entry->name : entry->formula, CompletionItemKind::Constant,
                "surface site " + entry->name);
        }
        break;
    case Expected::RateName:
        AddKind(names, NameKind::Rate, CompletionItemKind::Function, "rate");
        break;
    default:
        break;
    }
}

void CompletionItems::AddBasicNames(NameSources& names, BasicNames kind) {
    switch (kind) {
    case BasicNames::Element:
        AddNames(names, Expected::Element);
        break;
    case BasicNames::AqueousSpecies:
        AddNames(names, Expected::Species);
        break;
    case BasicNames::AnySpecies:
        AddNames(names, Expected::Species);
        AddNames(names, Expected::SorbedSpecies);
        break;
    case BasicNames::Phase:
        AddNames(names, Expected::Phase);
        break;
    case BasicNames::Gas:
        AddNames(names, Expected::Gas);
        break;
    case BasicNames::Rate:
        AddNames(names, Expected::RateName);
        break;
    case BasicNames::SurfaceName:
        for (const NameEntry* entry : names.All(NameKind::SurfaceMaster)) {
            Add(entry->name.substr(0, entry->name.find('_')), CompletionItemKind::Constant,
                "surface");
        }
        break;
    default:
        break;
    }
}

void CompletionItems::AddFiles(std::size_t offset) {
    const std::optional<std::string> path = FilePath(m_context.document.Uri());
    if (!path) {
        return;
    }
    const std::string& text = m_context.document.Text();
    const std::size_t begin = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::string_view line(text.data() + (begin == std::string::npos ? 0 : begin + 1),
                                offset - (begin == std::string::npos ? 0 : begin + 1));
    const std::string typed(line.substr(line.find_last_of(" \t") + 1));
    const std::size_t slash = typed.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : typed.substr(0, slash + 1);
    std::error_code error;
    std::filesystem::directory_iterator entries(std::filesystem::path(*path).parent_path() / folder,
                                                error);
    std::size_t seen = 0;
    for (; !error && entries != std::filesystem::directory_iterator() && seen < kFileEntries;
         entries.increment(error), ++seen) {
        const std::string name = entries->path().filename().string();
        if (name.empty() || name[0] == '.') {
            continue;
        }
        const bool isFolder = entries->is_directory(error);
        Add(folder + name + (isFolder ? "/" : ""),
            isFolder ? CompletionItemKind::Folder : CompletionItemKind::File,
            isFolder ? "folder" : "file");
    }
}

} // namespace vxcheck::lsp
