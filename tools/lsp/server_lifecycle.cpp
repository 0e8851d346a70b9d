// The server's lifecycle methods: initialize (with the capabilities), initialized, shutdown,
// exit, $/cancelRequest and workspace/didChangeConfiguration.
#include "lsp/server.h"

#include "lsp/features/navigation.h"

#include <algorithm>

namespace vxcheck::lsp {

Json Server::OnInitialize(const Json& params) {
    if (!params.is_object()) {
        throw ParamsError("initialize needs params");
    }
    Json encodings =
        params.value(Json::json_pointer("/capabilities/general/positionEncodings"), Json::array());
    auto offered = [&](const char* name) {
        return encodings.is_array() &&
               std::find(encodings.begin(), encodings.end(), name) != encodings.end();
    };
    if (offered("utf-8")) {
        m_encoding = PositionEncoding::Utf8; // exact on bytes, so preferred when offered
    } else if (offered("utf-32")) {
        m_encoding = PositionEncoding::Utf32;
    }
    const Json snippets = params.value(
        Json::json_pointer("/capabilities/textDocument/completion/completionItem/snippetSupport"),
        Json(false));
    m_snippets = snippets.is_boolean() && snippets.get<bool>();
    Json formats = params.value(
        Json::json_pointer("/capabilities/textDocument/hover/contentFormat"), Json::array());
    m_plainHover = formats.is_array() && !formats.empty() &&
                   std::find(formats.begin(), formats.end(), "markdown") == formats.end();
    if (auto root = params.find("rootUri"); root != params.end() && root->is_string()) {
        m_settings.rootFolder = FilePath(root->get<std::string>()).value_or("");
    } else if (auto path = params.find("rootPath"); path != params.end() && path->is_string()) {
        m_settings.rootFolder = path->get<std::string>();
    }
    if (auto options = params.find("initializationOptions"); options != params.end()) {
        m_settings.database = DatabaseSetting(*options).value_or("");
    }
    m_state = State::Running;
    return {
        {"capabilities",
         {
             {"positionEncoding", EncodingName(m_encoding)},
             {"textDocumentSync", {{"openClose", true}, {"change", 2}}},
             {"completionProvider", {{"triggerCharacters", {"-", "\""}}}},
             {"hoverProvider", true},
             {"signatureHelpProvider", {{"triggerCharacters", {"(", ","}}}},
             {"documentSymbolProvider", true},
             {"definitionProvider", true},
             {"referencesProvider", true},
             {"documentHighlightProvider", true},
             {"renameProvider", {{"prepareProvider", true}}},
             {"semanticTokensProvider",
              {{"legend", SemanticTokensLegend()}, {"full", {{"delta", true}}}}},
         }},
        {"serverInfo", {{"name", "vxcheck"}, {"version", VXCHECK_VERSION}}},
    };
}

void Server::OnInitialized(const Json&) {}

Json Server::OnShutdown(const Json&) {
    m_state = State::ShutDown;
    return nullptr;
}

void Server::OnExit(const Json&) {
    m_exit = true;
}

// A cancel takes effect when the request it names is answered (Answer looks ahead for it);
// here it has only to be well formed, since every request before it is answered already.
void Server::OnCancelRequest(const Json& params) {
    auto id = params.is_object() ? params.find("id") : params.end();
    if (id == params.end() || !(id->is_number_integer() || id->is_string())) {
        throw ParamsError("field 'id' must be an integer or a string");
    }
}

void Server::OnDidChangeConfiguration(const Json& params) {
    if (!params.is_object() || !params.contains("settings")) {
        throw ParamsError("missing field 'settings'");
    }
    std::optional<std::string> database = DatabaseSetting(params["settings"]);
    if (database && *database != m_settings.database) {
        m_settings.database = *database;
        for (auto& [uri, document] : m_documents.All()) {
            PublishDiagnostics(document);
        }
    }
}

} // namespace vxcheck::lsp
