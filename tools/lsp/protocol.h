// The protocol's structures that the server reads and writes, with LSP's own field names, each
// with its JSON conversion beside it. Reading a structure from JSON of the wrong shape throws
// ParamsError, which the server answers as invalid params.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck::lsp {

using Json = nlohmann::json;

// JSON-RPC and LSP error codes.
enum class ErrorCode {
    ParseError = -32700,
    InvalidRequest = -32600,
    MethodNotFound = -32601,
    InvalidParams = -32602,
    InternalError = -32603,
    ServerNotInitialized = -32002,
    RequestFailed = -32803,
    RequestCancelled = -32800,
};

// Params of the wrong shape: a missing field or a field of the wrong type.
class ParamsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The field key of object as a string, an integer, an object; throws ParamsError otherwise.
std::string RequireString(const Json& object, const char* key);
int RequireInt(const Json& object, const char* key);
const Json& RequireObject(const Json& object, const char* key);

// Line and character as the client counts them, both from 0.
struct Position {
    int line = 0;
    int character = 0;
};
void from_json(const Json& json, Position& position);
void to_json(Json& json, const Position& position);

struct Range {
    Position start;
    Position end;
};
void from_json(const Json& json, Range& range);
void to_json(Json& json, const Range& range);

struct TextDocumentIdentifier {
    std::string uri;
};
void from_json(const Json& json, TextDocumentIdentifier& document);

struct TextDocumentItem {
    std::string uri;
    std::string languageId;
    int version = 0;
    std::string text;
};
void from_json(const Json& json, TextDocumentItem& item);

struct VersionedTextDocumentIdentifier {
    std::string uri;
    int version = 0;
};
void from_json(const Json& json, VersionedTextDocumentIdentifier& document);

// A change of a document: the text that replaces range, or the whole text when range is absent.
struct TextDocumentContentChangeEvent {
    std::optional<Range> range;
    std::string text;
};
void from_json(const Json& json, TextDocumentContentChangeEvent& change);

struct DidOpenTextDocumentParams {
    TextDocumentItem textDocument;
};
void from_json(const Json& json, DidOpenTextDocumentParams& params);

struct DidChangeTextDocumentParams {
    VersionedTextDocumentIdentifier textDocument;
    std::vector<TextDocumentContentChangeEvent> contentChanges;
};
void from_json(const Json& json, DidChangeTextDocumentParams& params);

struct DidCloseTextDocumentParams {
    TextDocumentIdentifier textDocument;
};
void from_json(const Json& json, DidCloseTextDocumentParams& params);

// Params of completion and hover.
struct TextDocumentPositionParams {
    TextDocumentIdentifier textDocument;
    Position position;
};
void from_json(const Json& json, TextDocumentPositionParams& params);

struct DocumentSymbolParams {
    TextDocumentIdentifier textDocument;
};
void from_json(const Json& json, DocumentSymbolParams& params);

// The values of CompletionItemKind that the server uses.
enum class CompletionItemKind {
    Text = 1,
    Function = 3,
    Field = 5,
    Variable = 6,
    Class = 7,
    Property = 10,
    Unit = 11,
    Value = 12,
    Keyword = 14,
    Snippet = 15,
    File = 17,
    Folder = 19,
    Constant = 21,
};

struct TextEdit {
    Range range;
    std::string newText;
};

struct CompletionItem {
    std::string label;
    CompletionItemKind kind = CompletionItemKind::Keyword;
    std::string detail; // left out when empty
    TextEdit textEdit;
    bool snippet = false; // newText is in the snippet format
};

struct CompletionList {
    bool isIncomplete = false;
    std::vector<CompletionItem> items;
};

// The JSON text of a value. Bytes of its strings that are not UTF-8 are read as Latin-1, as
// ToUtf8 reads them, so that text of a document that its editor did not decode shows as the
// characters it most likely was.
std::string JsonToText(const Json& value);

// Appends text as a JSON string: quotes, backslashes and control characters escaped, every other
// byte as it is, so the caller sees to it that text is UTF-8.
void AppendJsonString(std::string& out, std::string_view text);

// JSON text written without a JSON tree, for answers too large to build a tree for cheaply.
struct JsonText {
    std::string text;
};
// Appends a position as a JSON object.
void AppendPosition(std::string& out, const Position& position);

// A completion list as JSON text. Lists of a thousand names are common, and a tree of them costs
// several times what writing the text does. Its strings must be UTF-8.
JsonText ToJsonText(const CompletionList& list);

// A hover in Markdown.
struct Hover {
    std::string markdown;
    Range range;
    bool plain = false; // markdown holds plain text
};
void to_json(Json& json, const Hover& hover);

// One signature of textDocument/signatureHelp: its label, its documentation (Markdown) and its
// parameters as byte ranges of the label.
struct SignatureInformation {
    std::string label;
    std::string documentation;
    std::vector<std::pair<std::size_t, std::size_t>> parameters;
};
struct SignatureHelp {
    std::vector<SignatureInformation> signatures;
    int activeSignature = 0;
    int activeParameter = 0; // may lie past the parameters: then none is marked
};
void to_json(Json& json, const SignatureHelp& help);

// The values of SymbolKind that the server uses.
enum class SymbolKind {
    Namespace = 3,
    Class = 5,
    Field = 8,
    Function = 12,
    Constant = 14,
    Struct = 23
};

struct DocumentSymbol {
    std::string name;
    std::string detail; // left out when empty
    SymbolKind kind = SymbolKind::Struct;
    Range range;
    Range selectionRange;
    std::vector<DocumentSymbol> children;
};
void to_json(Json& json, const DocumentSymbol& symbol);

enum class DiagnosticSeverity { Error = 1, Warning = 2, Information = 3 };

struct Diagnostic {
    Range range;
    DiagnosticSeverity severity = DiagnosticSeverity::Error;
    std::string message;
    std::string code; // the library's stable code; empty for the server's own
};
void to_json(Json& json, const Diagnostic& diagnostic);

enum class MessageType { Error = 1, Warning = 2, Info = 3, Log = 4 };

} // namespace vxcheck::lsp
