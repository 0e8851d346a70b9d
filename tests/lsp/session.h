// A scripted client for server tests: frames the messages it is given, runs a server over them
// and reads back what the server wrote, which must be protocol messages and nothing else.
#pragma once

#include "lsp/server.h"
#include "lsp/transport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vxcheck::lsp::testing {

class Session {
  public:
    Session& Raw(const std::string& bytes) {
        m_input += bytes;
        return *this;
    }
    Session& Send(const Json& message) {
        std::string body = message.dump();
        return Raw("Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
    }
    Session& Request(int id, const std::string& method, Json params = Json::object()) {
        return Send({{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}});
    }
    Session& Notify(const std::string& method, Json params = Json::object()) {
        return Send({{"jsonrpc", "2.0"}, {"method", method}, {"params", params}});
    }
    Session& Initialize(Json params = Json::object()) {
        return Request(0, "initialize", std::move(params)).Notify("initialized");
    }
    Session& Open(const std::string& uri, const std::string& text) {
        return Notify(
            "textDocument/didOpen",
            {{"textDocument",
              {{"uri", uri}, {"languageId", "phreeqc"}, {"version", 1}, {"text", text}}}});
    }
    Session& At(int id, const std::string& method, const std::string& uri, int line,
                int character) {
        return Request(id, method,
                       {{"textDocument", {{"uri", uri}}},
                        {"position", {{"line", line}, {"character", character}}}});
    }
    Session& Finish() { return Request(9999, "shutdown").Notify("exit"); }

    // Runs a server over everything sent; returns its exit status.
    int Run(ServerConfig config = {[](const std::string&, DatabaseNames&) {}, {}}) {
        std::istringstream in(m_input);
        std::ostringstream out;
        Server server(in, out, std::move(config));
        int status = server.Run();
        std::istringstream written(out.str());
        MessageReader reader(written);
        for (ReadResult read = reader.Read(); read.status != ReadResult::Status::End;
             read = reader.Read()) {
            EXPECT_EQ(read.status, ReadResult::Status::Message) << "not a message: " << out.str();
            m_output.push_back(Json::parse(read.body));
        }
        EXPECT_TRUE(written.eof());
        return status;
    }

    // The answer to request id (null when there is none).
    Json Answer(const Json& id) const {
        for (const Json& message : m_output) {
            if (message.contains("id") && message["id"] == id && !message.contains("method")) {
                return message;
            }
        }
        return nullptr;
    }
    // The error code of the answer to id, or 0.
    int ErrorOf(const Json& id) const {
        Json answer = Answer(id);
        return answer.is_object() && answer.contains("error") ? answer["error"]["code"].get<int>()
                                                              : 0;
    }
    // The params of every notification of method, in order.
    std::vector<Json> Notifications(const std::string& method) const {
        std::vector<Json> found;
        for (const Json& message : m_output) {
            if (message.value("method", "") == method) {
                found.push_back(message["params"]);
            }
        }
        return found;
    }
    const std::vector<Json>& Output() const { return m_output; }

  private:
    std::string m_input;
    std::vector<Json> m_output;
};

// Labels of a completion answer.
inline std::vector<std::string> Labels(const Json& answer) {
    std::vector<std::string> labels;
    for (const Json& item : answer["result"]["items"]) {
        labels.push_back(item["label"]);
    }
    return labels;
}

} // namespace vxcheck::lsp::testing
