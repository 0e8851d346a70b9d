// JSON conversions of navigation, renaming and semantic tokens.
#include "lsp/protocol_navigation.h"

#include "lsp/positions.h"

#include <charconv>

namespace vxcheck::lsp {

void to_json(Json& json, const Location& location) {
    json = Json{{"uri", location.uri}, {"range", location.range}};
}

void from_json(const Json& json, ReferenceParams& params) {
    RequireObject(json, "textDocument").get_to(params.textDocument);
    RequireObject(json, "position").get_to(params.position);
    if (json.contains("context")) {
        const Json& context = RequireObject(json, "context");
        if (auto include = context.find("includeDeclaration"); include != context.end()) {
            if (!include->is_boolean()) {
                throw ParamsError("field 'includeDeclaration' must be a boolean");
            }
            params.includeDeclaration = include->get<bool>();
        }
    }
}

void from_json(const Json& json, RenameParams& params) {
    RequireObject(json, "textDocument").get_to(params.textDocument);
    RequireObject(json, "position").get_to(params.position);
    params.newName = RequireString(json, "newName");
}

void to_json(Json& json, const TextEdit& edit) {
    json = Json{{"range", edit.range}, {"newText", edit.newText}};
}

void to_json(Json& json, const WorkspaceEdit& edit) {
    json = Json{{"changes", Json::object()}};
    for (const auto& [uri, edits] : edit.changes) {
        json["changes"][uri] = edits;
    }
}

void to_json(Json& json, const DocumentHighlight& highlight) {
    json = Json{{"range", highlight.range}, {"kind", static_cast<int>(highlight.kind)}};
}

void from_json(const Json& json, SemanticTokensParams& params) {
    RequireObject(json, "textDocument").get_to(params.textDocument);
    if (json.contains("previousResultId")) {
        params.previousResultId = RequireString(json, "previousResultId");
    }
}

namespace {

// Most token numbers (line steps, columns, lengths, types) have one or two digits.
std::size_t DigitsOf(unsigned number) {
    std::size_t digits = 1;
    for (; number >= 10; number /= 10) {
        ++digits;
    }
    return digits;
}

char* WriteNumber(char* at, char* limit, unsigned number) {
    if (number < 10) {
        *at = static_cast<char>('0' + number);
        return at + 1;
    }
    if (number < 100) {
        at[0] = static_cast<char>('0' + number / 10);
        at[1] = static_cast<char>('0' + number % 10);
        return at + 2;
    }
    return std::to_chars(at, limit, number).ptr;
}

// resultId is the server's own: digits only, so it needs no escaping.
// Written in place, after measuring: a full document's tokens are hundreds of thousands of
// numbers, and appending each on its own costs more than formatting it.
void AppendNumbers(std::string& out, const std::vector<unsigned>& numbers) {
    std::size_t length = numbers.empty() ? 2 : 1 + numbers.size();
    for (unsigned number : numbers) {
        length += DigitsOf(number);
    }
    const std::size_t start = out.size();
    out.reserve(start + length + 2); // and the brackets that close what holds the numbers
    out.resize(start + length);
    char* at = out.data() + start;
    char* const limit = out.data() + out.size();
    *at++ = '[';
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            *at++ = ',';
        }
        at = WriteNumber(at, limit, numbers[i]);
    }
    *at = ']';
}

} // namespace

void AppendRange(std::string& out, const Range& range) {
    out += "{\"start\":";
    AppendPosition(out, range.start);
    out += ",\"end\":";
    AppendPosition(out, range.end);
    out += '}';
}

void AppendSymbols(std::string& out, const std::vector<DocumentSymbol>& symbols) {
    out += '[';
    for (const DocumentSymbol& symbol : symbols) {
        out += &symbol == symbols.data() ? "{\"name\":" : ",{\"name\":";
        AppendJsonString(out, ToUtf8(symbol.name));
        out += ",\"kind\":" + std::to_string(static_cast<int>(symbol.kind));
        if (!symbol.detail.empty()) {
            out += ",\"detail\":";
            AppendJsonString(out, ToUtf8(symbol.detail));
        }
        out += ",\"range\":";
        AppendRange(out, symbol.range);
        out += ",\"selectionRange\":";
        AppendRange(out, symbol.selectionRange);
        if (!symbol.children.empty()) {
            out += ",\"children\":";
            AppendSymbols(out, symbol.children);
        }
        out += '}';
    }
    out += ']';
}

namespace {

// About the most text a symbol takes besides its name and detail: the keys, the kind and the
// four positions of its ranges with lines of up to seven digits.
constexpr std::size_t kSymbolText = 240;

std::size_t TextBound(const std::vector<DocumentSymbol>& symbols) {
    std::size_t bound = 2;
    for (const DocumentSymbol& symbol : symbols) {
        bound +=
            kSymbolText + symbol.name.size() + symbol.detail.size() + TextBound(symbol.children);
    }
    return bound;
}

} // namespace

JsonText ToJsonText(const std::vector<DocumentSymbol>& symbols) {
    // The outline of a large input is a hundred megabytes of text: room made once, so that it is
    // not grown by doubling, which held the old and the new copy at once.
    std::string out;
    out.reserve(TextBound(symbols));
    AppendSymbols(out, symbols);
    return {std::move(out)};
}

JsonText ToJsonText(const SemanticTokens& tokens) {
    std::string out = "{\"resultId\":\"" + tokens.resultId + "\",\"data\":";
    AppendNumbers(out, tokens.data);
    out += '}';
    return {std::move(out)};
}

JsonText ToJsonText(const SemanticTokensDelta& delta) {
    std::string out = "{\"resultId\":\"" + delta.resultId + "\",\"edits\":[";
    for (const SemanticTokensEdit& edit : delta.edits) {
        out += &edit == delta.edits.data() ? "{" : ",{";
        out += "\"start\":" + std::to_string(edit.start) +
               ",\"deleteCount\":" + std::to_string(edit.deleteCount) + ",\"data\":";
        AppendNumbers(out, edit.data);
        out += '}';
    }
    out += "]}";
    return {std::move(out)};
}

} // namespace vxcheck::lsp
