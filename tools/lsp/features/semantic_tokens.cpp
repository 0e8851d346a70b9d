// textDocument/semanticTokens: the library's highlighting in the protocol's encoding, five
// numbers a token (line and start relative to the token before, length, type, modifiers). The
// types are LSP's standard ones, so that every editor's theme colours them.
#include "lsp/features/navigation.h"

#include <vxcheck/input/highlight.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace vxcheck::lsp {
namespace {

constexpr std::array<std::string_view, 14> kTokenTypes = {
    "keyword",    // 0
    "property",   // 1
    "number",     // 2
    "string",     // 3
    "enumMember", // 4
    "type",       // 5
    "class",      // 6
    "method",     // 7
    "modifier",   // 8
    "comment",    // 9
    "function",   // 10
    "variable",   // 11
    "macro",      // 12
    "operator",   // 13
};

// The token type of each HighlightKind, in its order.
constexpr std::array<unsigned, kHighlightKinds> kTypeOfKind = {
    0,  // Keyword
    1,  // Option
    2,  // EntityNumber
    3,  // Description
    4,  // Element
    5,  // Species
    6,  // Phase
    7,  // Rate
    2,  // Number
    8,  // Units
    3,  // FileName
    9,  // Comment
    0,  // BasicKeyword
    10, // BasicFunction
    3,  // BasicString
    2,  // BasicNumber
    11, // BasicVariable
    12, // BasicLineNumber
    13, // BasicOperator
};

constexpr unsigned kDeclaration = 1; // the modifier bit of a definition

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

} // namespace

Json SemanticTokensLegend() {
    Json types = Json::array();
    for (std::string_view type : kTokenTypes) {
        types.push_back(type);
    }
    return {{"tokenTypes", types}, {"tokenModifiers", {"declaration"}}};
}

SemanticTokens SemanticTokensOf(const FeatureContext& context, std::string resultId) {
    const Document& document = context.document;
    const InputModel& model = context.outline.Model();
    const std::vector<HighlightSpan> spans =
        HighlightInput(document.Text(), model, context.outline.Symbols());
    SemanticTokens tokens;
    tokens.resultId = std::move(resultId);
    tokens.data.reserve(spans.size() * 5);
    // Spans come in text order, so the line of each is found by walking forward; on a line of
    // ASCII only (most lines) a byte is a character in either encoding.
    int line = 0;
    std::size_t lineBegin = 0;
    bool ascii = IsAscii(document.Line(0));
    int lastLine = 0;
    unsigned lastStart = 0;
    for (const HighlightSpan& span : spans) {
        while (line + 1 < document.LineCount() && document.OffsetOf({line + 1, 0}) <= span.begin) {
            ++line;
            lineBegin = document.OffsetOf({line, 0});
            ascii = IsAscii(document.Line(line));
        }
        const std::string_view text = document.Line(line);
        const std::size_t first = std::min(span.begin - lineBegin, text.size());
        const std::size_t last = std::min(span.end - lineBegin, text.size());
        const auto start =
            static_cast<unsigned>(ascii ? first : Character(text, first, context.encoding));
        const auto end =
            static_cast<unsigned>(ascii ? last : Character(text, last, context.encoding));
        if (end <= start) {
            continue;
        }
        tokens.data.push_back(static_cast<unsigned>(line - lastLine));
        tokens.data.push_back(line == lastLine ? start - lastStart : start);
        tokens.data.push_back(end - start);
        tokens.data.push_back(kTypeOfKind[static_cast<std::size_t>(span.kind)]);
        tokens.data.push_back(span.definition ? kDeclaration : 0);
        lastLine = line;
        lastStart = start;
    }
    return tokens;
}

SemanticTokensDelta DeltaOf(const std::vector<unsigned>& before, const SemanticTokens& after) {
    const std::vector<unsigned>& data = after.data;
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < data.size() && before[prefix] == data[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < data.size() - prefix &&
           before[before.size() - 1 - suffix] == data[data.size() - 1 - suffix]) {
        ++suffix;
    }
    SemanticTokensDelta delta;
    delta.resultId = after.resultId;
    if (prefix == before.size() && prefix == data.size()) {
        return delta; // nothing changed
    }
    SemanticTokensEdit edit;
    edit.start = static_cast<unsigned>(prefix);
    edit.deleteCount = static_cast<unsigned>(before.size() - prefix - suffix);
    edit.data.assign(data.begin() + static_cast<std::ptrdiff_t>(prefix),
                     data.end() - static_cast<std::ptrdiff_t>(suffix));
    delta.edits.push_back(std::move(edit));
    return delta;
}

} // namespace vxcheck::lsp
