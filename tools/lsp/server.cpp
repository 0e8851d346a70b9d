// Dispatch. Every method is in one table; every error answer is made by SendError. Messages
// that are already waiting are read ahead, so that a $/cancelRequest behind a request is seen
// before the request is answered.
#include "lsp/server.h"

#include "lsp/features/features.h"

#include <algorithm>

namespace vxcheck::lsp {
namespace {

// How many waiting messages are read ahead at most.
constexpr std::size_t kReadAhead = 64;

// A field of a message, or null; never a copy, since params may hold a whole document.
const Json& Field(const Json& object, const char* key) {
    static const Json kNull;
    if (!object.is_object()) {
        return kNull;
    }
    auto it = object.find(key);
    return it == object.end() ? kNull : *it;
}

// The params read into their structure; the JSON is emptied, since it may hold a whole document.
template <typename Params> Params Take(Json& params) {
    Params value = params.get<Params>();
    params = nullptr;
    return value;
}

// The params of a message, moved out of it.
Json TakeParams(Json& message) {
    auto it = message.is_object() ? message.find("params") : message.end();
    return it == message.end() ? Json() : std::move(*it);
}

} // namespace

template <typename Result, typename Params>
Server::Method Server::Request(Result (Server::*handler)(const Params&)) {
    return {true, [this, handler](Json& params) {
                Result result;
                if constexpr (std::is_same_v<Params, Json>) {
                    result = (this->*handler)(params);
                } else {
                    result = (this->*handler)(Take<Params>(params));
                }
                if constexpr (std::is_same_v<Result, JsonText>) {
                    return result;
                } else {
                    return JsonText{JsonToText(result)};
                }
            }};
}

template <typename Params>
Server::Method Server::Notification(void (Server::*handler)(const Params&)) {
    return {false, [this, handler](Json& params) {
                if constexpr (std::is_same_v<Params, Json>) {
                    (this->*handler)(params);
                } else {
                    (this->*handler)(Take<Params>(params));
                }
                return JsonText{};
            }};
}

Server::Server(std::istream& in, std::ostream& out, ServerConfig config)
    : m_reader(in), m_out(out), m_vocabulary(m_checker),
      m_databases(std::move(config.readDatabase)) {
    m_settings.environmentDatabase = std::move(config.environmentDatabase);
    m_methods = {
        {"$/cancelRequest", Notification(&Server::OnCancelRequest)},
        {"exit", Notification(&Server::OnExit)},
        {"initialize", Request(&Server::OnInitialize)},
        {"initialized", Notification(&Server::OnInitialized)},
        {"shutdown", Request(&Server::OnShutdown)},
        {"textDocument/completion", Request(&Server::OnCompletion)},
        {"textDocument/definition", Request(&Server::OnDefinition)},
        {"textDocument/didChange", Notification(&Server::OnDidChange)},
        {"textDocument/didClose", Notification(&Server::OnDidClose)},
        {"textDocument/didOpen", Notification(&Server::OnDidOpen)},
        {"textDocument/documentHighlight", Request(&Server::OnDocumentHighlight)},
        {"textDocument/documentSymbol", Request(&Server::OnDocumentSymbol)},
        {"textDocument/hover", Request(&Server::OnHover)},
        {"textDocument/signatureHelp", Request(&Server::OnSignatureHelp)},
        {"textDocument/prepareRename", Request(&Server::OnPrepareRename)},
        {"textDocument/references", Request(&Server::OnReferences)},
        {"textDocument/rename", Request(&Server::OnRename)},
        {"textDocument/semanticTokens/full", Request(&Server::OnSemanticTokensFull)},
        {"textDocument/semanticTokens/full/delta", Request(&Server::OnSemanticTokensDelta)},
        {"workspace/didChangeConfiguration", Notification(&Server::OnDidChangeConfiguration)},
    };
}

int Server::Run() {
    bool more = true;
    while (!m_exit) {
        if (m_queue.empty() && !(more && ReadOne())) {
            break;
        }
        while (more && m_queue.size() < kReadAhead && m_reader.HasPending()) {
            more = ReadOne();
        }
        if (m_queue.empty()) {
            continue;
        }
        Incoming incoming = std::move(m_queue.front());
        m_queue.pop_front();
        if (!incoming.error.empty()) {
            SendError(incoming.id, incoming.code, incoming.error);
        } else {
            Dispatch(incoming.message);
        }
    }
    return m_exit && m_state == State::ShutDown ? 0 : 1;
}

bool Server::ReadOne() {
    ReadResult read = m_reader.Read();
    if (read.status == ReadResult::Status::End) {
        return false;
    }
    if (read.status == ReadResult::Status::Malformed) {
        m_queue.push_back(
            {nullptr, "bad message header: " + read.error, ErrorCode::ParseError, nullptr});
        return true;
    }
    m_queue.push_back(ParseBody(std::move(read.body)));
    return true;
}

void Server::Dispatch(Json& message) {
    if (!message.is_object()) {
        SendError(nullptr, ErrorCode::InvalidRequest, "a message must be an object");
        return;
    }
    bool isRequest = message.contains("id");
    const Json& id = Field(message, "id");
    if (isRequest && !id.is_number_integer() && !id.is_string()) {
        SendError(nullptr, ErrorCode::InvalidRequest, "an id must be an integer or a string");
        return;
    }
    const Json& method = Field(message, "method");
    if (Field(message, "jsonrpc") != "2.0" || (!method.is_string() && !method.is_null())) {
        if (isRequest) {
            SendError(id, ErrorCode::InvalidRequest, "not a JSON-RPC 2.0 message");
        }
        return;
    }
    if (method.is_null()) {
        if (isRequest && !message.contains("result") && !message.contains("error")) {
            SendError(id, ErrorCode::InvalidRequest, "a request needs a method");
        }
        return; // an answer: the server asks nothing, so there is nothing to match it with
    }
    std::string name = method.get<std::string>();
    auto found = m_methods.find(name);
    const Method* entry = found == m_methods.end() ? nullptr : &found->second;
    if (isRequest) {
        Json params = TakeParams(message);
        Answer(id, params, entry, name);
        return;
    }
    if (entry == nullptr || entry->isRequest || (m_state == State::Starting && name != "exit")) {
        return; // notifications are never answered; before initialize they are dropped
    }
    try {
        Json params = TakeParams(message);
        entry->handler(params);
    } catch (const RequestError& error) {
        Notify("window/logMessage", {{"type", static_cast<int>(MessageType::Error)},
                                     {"message", name + ": " + error.message}});
    } catch (const std::exception& error) {
        Notify("window/logMessage", {{"type", static_cast<int>(MessageType::Error)},
                                     {"message", name + ": " + error.what()}});
    }
}

void Server::Answer(const Json& id, Json& params, const Method* method, const std::string& name) {
    bool cancelled = std::any_of(m_queue.begin(), m_queue.end(), [&](const Incoming& incoming) {
        return Field(incoming.message, "method") == "$/cancelRequest" &&
               Field(Field(incoming.message, "params"), "id") == id;
    });
    if (cancelled) {
        SendError(id, ErrorCode::RequestCancelled, "cancelled");
    } else if (m_state == State::Starting && name != "initialize") {
        SendError(id, ErrorCode::ServerNotInitialized, "the server is not initialized");
    } else if (m_state == State::Running && name == "initialize") {
        SendError(id, ErrorCode::InvalidRequest, "the server is already initialized");
    } else if (m_state == State::ShutDown) {
        SendError(id, ErrorCode::InvalidRequest, "the server is shut down");
    } else if (method == nullptr) {
        SendError(id, ErrorCode::MethodNotFound, "unknown method " + name);
    } else if (!method->isRequest) {
        SendError(id, ErrorCode::InvalidRequest, name + " is a notification");
    } else {
        try {
            JsonText result = method->handler(params);
            WriteMessage(m_out, "{\"id\":" + JsonToText(id) +
                                    ",\"jsonrpc\":\"2.0\",\"result\":" + result.text + "}");
        } catch (const RequestError& error) {
            SendError(id, error.code, error.message);
        } catch (const ParamsError& error) {
            SendError(id, ErrorCode::InvalidParams, error.what());
        } catch (const Json::exception& error) {
            SendError(id, ErrorCode::InvalidParams, error.what());
        } catch (const std::exception& error) {
            SendError(id, ErrorCode::InternalError, error.what());
        }
    }
}

void Server::Send(const Json& message) {
    WriteMessage(m_out, JsonToText(message));
}

void Server::SendError(const Json& id, ErrorCode code, const std::string& message) {
    Send({{"jsonrpc", "2.0"},
          {"id", id},
          {"error", {{"code", static_cast<int>(code)}, {"message", message}}}});
}

void Server::Notify(const char* method, Json params) {
    Send({{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}});
}

} // namespace vxcheck::lsp
