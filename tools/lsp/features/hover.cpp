// textDocument/hover: what the word at a point means. Keywords, options and BASIC words are told
// by the library's help texts; names by their definitions in the input or its database; an
// entity number by the block it numbers; SOLUTION's "charge" by what it balances.
#include "lsp/features/features.h"
#include "lsp/features/hover_names.h"
#include "lsp/text.h"

#include <vxcheck/input/help.h>
#include <vxcheck/input/word_at.h>

#include <algorithm>

namespace vxcheck::lsp {
namespace {

constexpr const char* kListNames[DatabaseNames::kLists] = {
    "",    "composition name",        "master species",         "aqueous species", "phase",
    "gas", "exchange master species", "surface master species",
};

std::string KeywordText(const BlockInfo& block, std::string_view written) {
    std::string text = "**" + Upper(written) + "**: keyword of the block " + Upper(block.name);
    if (const KeywordHelp* help = FindKeywordHelp(block.name)) {
        text += "\n\n" + std::string(help->summary) + "\n\nForm: `" + std::string(help->form) + "`";
    }
    std::string synonyms;
    for (const std::string& spelling : block.spellings) {
        if (spelling != Lower(written)) {
            synonyms += (synonyms.empty() ? "" : ", ") + Upper(spelling);
        }
    }
    if (!synonyms.empty()) {
        text += "\n\nSynonyms: " + synonyms;
    }
    if (!block.group.empty()) {
        text += "\n\nGroup: " + block.group;
    }
    return text;
}

// An option of the block itself, or of a sub-reader of a RAW or MODIFY block (-component ...),
// whose texts stand under the reader's name.
std::string OptionText(const BlockInfo& block, std::string_view reader, std::string_view option,
                       std::string_view written) {
    const bool own = reader.empty() || reader == block.name || reader.ends_with("_raw");
    std::string lines(reader);
    std::replace(lines.begin(), lines.end(), '_', ' ');
    std::string text = "**-" + std::string(option) + "**: option of " +
                       (own ? "" : "the " + lines + " lines of ") + Upper(block.name);
    if (const OptionHelp* help = FindOptionHelp(own ? block.name : reader, option)) {
        text += "\n\n" + std::string(help->text);
        if (!help->sameAs.empty()) {
            text += "\n\nAnother name of -" + std::string(help->sameAs) + ".";
        }
    }
    std::string typed = Lower(written);
    typed.erase(0, typed.starts_with('-') ? 1 : 0);
    if (typed != option) {
        text += "\n\n`" + std::string(written) + "` selects -" + std::string(option) +
                ", the first option of the block that begins with it.";
    }
    return text;
}

std::string BasicText(const BasicHelp& help) {
    std::string text = "`" + std::string(help.form) + "`\n\n" + std::string(help.text);
    if (!help.example.empty()) {
        text += "\n\nExample: `" + std::string(help.example) + "`";
    }
    return text;
}

// A name that only the server's lists know (a database read without a name table).
std::string ListText(const DatabaseNames& database, const std::string& name, unsigned lists) {
    std::string kinds;
    for (std::size_t list = 1; list < DatabaseNames::kLists; ++list) {
        if ((lists & (1u << list)) != 0) {
            kinds += (kinds.empty() ? "" : ", ") + std::string(kListNames[list]);
        }
    }
    std::string text = "**" + name + "**: " + kinds;
    if (std::string_view formula = database.FormulaOf(name); !formula.empty()) {
        text += "\n\nFormula: " + std::string(formula);
    }
    return text + "\n\nDatabase: " + database.path;
}

// What SOLUTION's "charge" does after pH, pe or a concentration.
std::string ChargeText(const InputStatement& statement) {
    const std::string what = statement.kind == StatementKind::Option
                                 ? (statement.option == "ph" ? "pH" : "pe")
                                 : "the concentration of " + std::string(statement.Word(0));
    return "**charge**: " + what +
           " is adjusted until the solution's cations and anions balance (charge balance).";
}

std::string NumberText(const BlockInfo& block, std::string_view written) {
    std::string entity = block.name;
    std::replace(entity.begin(), entity.end(), '_', ' ');
    const bool range = written.find('-') != std::string_view::npos;
    return "**" + std::string(written) +
           "**: " + (range ? "the numbers of the " : "the number of the ") + entity +
           (range ? " entities" : "") +
           " this block defines; USE, SAVE, COPY, MIX and the transport refer to them by number.";
}

// The names of the input and of its database that word may be, the input's first.
std::optional<std::string> NameText(const FeatureContext& context, std::string_view word) {
    std::vector<const NameTable*> tables{&context.outline.NamesBefore(Outline::kNone)};
    if (context.database != nullptr) {
        tables.push_back(&context.database->table);
    }
    std::string text = NameHover(tables, context.database, word);
    if (!text.empty()) {
        return text;
    }
    std::string name;
    const unsigned lists = context.database != nullptr ? context.database->ListsOf(word, &name) : 0;
    if (lists != 0) {
        return ListText(*context.database, name, lists);
    }
    return std::nullopt;
}

std::optional<std::string> HoverText(const FeatureContext& context, const WordAtPoint& at,
                                     std::string_view word) {
    const BlockInfo* block = context.vocabulary.FindBlock(at.position.blockName);
    const InputStatement& statement = context.outline.Model().statements[at.position.statement];
    switch (at.role) {
    case WordRole::Keyword:
        return block != nullptr ? std::optional(KeywordText(*block, word)) : std::nullopt;
    case WordRole::EntityNumber:
        return block != nullptr ? std::optional(NumberText(*block, word)) : std::nullopt;
    case WordRole::Option:
        return block != nullptr
                   ? std::optional(OptionText(*block, statement.reader, statement.option, word))
                   : std::nullopt;
    case WordRole::Basic: {
        const BasicHelp* help = FindBasicHelp(word);
        return help != nullptr ? std::optional(BasicText(*help)) : std::nullopt;
    }
    case WordRole::Charge:
        return ChargeText(statement);
    case WordRole::Name:
        return NameText(context, word);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<Hover> HoverAt(const FeatureContext& context, TextPoint point) {
    const std::string& text = context.document.Text();
    const WordAtPoint at = WordAt(context.outline.Model(), text, context.document.OffsetOf(point));
    if (at.role == WordRole::None) {
        return std::nullopt;
    }
    std::optional<std::string> markdown =
        HoverText(context, at, std::string_view(text).substr(at.begin, at.end - at.begin));
    if (!markdown) {
        return std::nullopt;
    }
    Range range = context.document.ToRange(context.document.PointAt(at.begin),
                                           context.document.PointAt(at.end), context.encoding);
    return Hover{std::move(*markdown), range};
}

std::string PlainText(std::string_view markdown) {
    std::string plain;
    for (std::size_t at = 0; at < markdown.size(); ++at) {
        if (markdown.substr(at, 3) == "```") {
            at += markdown.substr(at + 3, 1) == "\n" ? 3 : 2;
        } else if (markdown.substr(at, 2) == "**") {
            ++at;
        } else if (markdown[at] != '`') {
            plain += markdown[at];
        }
    }
    return plain;
}

} // namespace vxcheck::lsp
