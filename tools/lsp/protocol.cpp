// JSON conversions of the protocol's structures. Readers check every type themselves rather
// than trust the JSON library's conversions, which would take true for 1 or 2.5 for 2.
#include "lsp/protocol.h"

#include "lsp/positions.h"

#include <limits>

namespace vxcheck::lsp {
namespace {

const Json& Field(const Json& object, const char* key) {
    if (!object.is_object()) {
        throw ParamsError("expected an object");
    }
    auto it = object.find(key);
    if (it == object.end()) {
        throw ParamsError(std::string("missing field '") + key + "'");
    }
    return *it;
}

[[noreturn]] void WrongType(const char* key, const char* type) {
    throw ParamsError(std::string("field '") + key + "' must be " + type);
}

} // namespace

std::string RequireString(const Json& object, const char* key) {
    const Json& value = Field(object, key);
    if (!value.is_string()) {
        WrongType(key, "a string");
    }
    return value.get<std::string>();
}

int RequireInt(const Json& object, const char* key) {
    const Json& value = Field(object, key);
    if (!value.is_number_integer()) {
        WrongType(key, "an integer");
    }
    auto number = value.get<long long>();
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
        WrongType(key, "a 32-bit integer");
    }
    return static_cast<int>(number);
}

const Json& RequireObject(const Json& object, const char* key) {
    const Json& value = Field(object, key);
    if (!value.is_object()) {
        WrongType(key, "an object");
    }
    return value;
}

void from_json(const Json& json, Position& position) {
    position.line = RequireInt(json, "line");
    position.character = RequireInt(json, "character");
    if (position.line < 0 || position.character < 0) {
        throw ParamsError("a position cannot be negative");
    }
}

void to_json(Json& json, const Position& position) {
    json = Json{{"line", position.line}, {"character", position.character}};
}

void from_json(const Json& json, Range& range) {
    RequireObject(json, "start").get_to(range.start);
    RequireObject(json, "end").get_to(range.end);
}

void to_json(Json& json, const Range& range) {
    json = Json{{"start", range.start}, {"end", range.end}};
}

void from_json(const Json& json, TextDocumentIdentifier& document) {
    document.uri = RequireString(json, "uri");
}

void from_json(const Json& json, TextDocumentItem& item) {
    item.uri = RequireString(json, "uri");
    item.languageId = RequireString(json, "languageId");
    item.version = RequireInt(json, "version");
    item.text = RequireString(json, "text");
}

void from_json(const Json& json, VersionedTextDocumentIdentifier& document) {
    document.uri = RequireString(json, "uri");
    document.version = RequireInt(json, "version");
}

void from_json(const Json& json, TextDocumentContentChangeEvent& change) {
    change.text = RequireString(json, "text");
    if (json.contains("range")) {
        change.range = RequireObject(json, "range").get<Range>();
    }
}

void from_json(const Json& json, DidOpenTextDocumentParams& params) {
    RequireObject(json, "textDocument").get_to(params.textDocument);
}

void from_json(const Json& json, DidChangeTextDocumentParams& params) {
    RequireObject(json, "textDocument").get_to(params.textDocument);
    const Json& changes = Field(json, "contentChanges");
    if (!changes.is_array()) {
        WrongType("contentChanges", "an array");
    }
    for (const Json& change : changes) {
        params.contentChanges.push_back(change.get<TextDocumentContentChangeEvent>());
    }
}

void from_json(const Json& json, DidCloseTextDocumentParams& params) {
    RequireObject(json, "textDocument").get_to(params.textDocument);
}

void from_json(const Json& json, TextDocumentPositionParams& params) {
    RequireObject(json, "textDocument").get_to(params.textDocument);
    RequireObject(json, "position").get_to(params.position);
}

void from_json(const Json& json, DocumentSymbolParams& params) {
    RequireObject(json, "textDocument").get_to(params.textDocument);
}

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (char ch : text) {
        auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += ch;
        }
    }
    out += '"';
}

namespace {

// Makes every string of a tree valid UTF-8; outgoing trees are the server's own and shallow.
void ToUtf8Strings(Json& value) {
    if (value.is_string()) {
        value = ToUtf8(value.get_ref<const std::string&>());
    } else if (value.is_structured()) {
        for (Json& child : value) {
            ToUtf8Strings(child);
        }
    }
}

} // namespace

void AppendPosition(std::string& out, const Position& position) {
    out += "{\"line\":" + std::to_string(position.line) +
           ",\"character\":" + std::to_string(position.character) + "}";
}

std::string JsonToText(const Json& value) {
    try {
        return value.dump();
    } catch (const Json::type_error&) { // a string that is not UTF-8: rare, so handled apart
        Json copy = value;
        ToUtf8Strings(copy);
        return copy.dump();
    }
}

JsonText ToJsonText(const CompletionList& list) {
    std::string out = list.isIncomplete ? "{\"isIncomplete\":true,\"items\":["
                                        : "{\"isIncomplete\":false,\"items\":[";
    out.reserve(list.items.size() * 160);
    for (const CompletionItem& item : list.items) {
        out += &item == list.items.data() ? "{\"label\":" : ",{\"label\":";
        AppendJsonString(out, item.label);
        out += ",\"kind\":" + std::to_string(static_cast<int>(item.kind));
        if (!item.detail.empty()) {
            out += ",\"detail\":";
            AppendJsonString(out, item.detail);
        }
        out += ",\"textEdit\":{\"range\":{\"start\":";
        AppendPosition(out, item.textEdit.range.start);
        out += ",\"end\":";
        AppendPosition(out, item.textEdit.range.end);
        out += "},\"newText\":";
        AppendJsonString(out, item.textEdit.newText);
        out += item.snippet ? "},\"insertTextFormat\":2}" : "}}";
    }
    out += "]}";
    return {std::move(out)};
}

void to_json(Json& json, const SignatureHelp& help) {
    json = Json{{"signatures", Json::array()},
                {"activeSignature", help.activeSignature},
                {"activeParameter", help.activeParameter}};
    for (const SignatureInformation& signature : help.signatures) {
        Json parameters = Json::array();
        for (const auto& [begin, end] : signature.parameters) {
            parameters.push_back({{"label", {begin, end}}});
        }
        json["signatures"].push_back(
            {{"label", signature.label},
             {"documentation", {{"kind", "markdown"}, {"value", signature.documentation}}},
             {"parameters", parameters}});
    }
}

void to_json(Json& json, const Hover& hover) {
    json = Json{
        {"contents", {{"kind", hover.plain ? "plaintext" : "markdown"}, {"value", hover.markdown}}},
        {"range", hover.range}};
}

void to_json(Json& json, const DocumentSymbol& symbol) {
    json = Json{{"name", symbol.name}, {"kind", static_cast<int>(symbol.kind)}};
    if (!symbol.detail.empty()) {
        json["detail"] = symbol.detail;
    }
    json["range"] = symbol.range;
    json["selectionRange"] = symbol.selectionRange;
    if (!symbol.children.empty()) {
        json["children"] = symbol.children;
    }
}

void to_json(Json& json, const Diagnostic& diagnostic) {
    json = Json{{"range", diagnostic.range},
                {"severity", static_cast<int>(diagnostic.severity)},
                {"source", "vxcheck"},
                {"message", diagnostic.message}};
    if (!diagnostic.code.empty()) {
        json["code"] = diagnostic.code;
    }
}

} // namespace vxcheck::lsp
