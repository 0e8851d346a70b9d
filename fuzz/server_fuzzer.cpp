// Fuzz target: the language server on any bytes. An input that begins with "Content-Length" is
// the server's whole input stream after an initialize: framing, JSON and any method with any
// params. Any other input is a document: it is opened, and then bytes of it steer incremental
// edits and every request (completion, hover, documentSymbol) at positions taken from it, in a
// position encoding that it picks too. The rules hold for any input: the server writes framed
// messages of valid UTF-8 JSON and nothing else, answers each request of the document run exactly
// once, and ends with status 0 after shutdown and exit.
#include "fuzz_input.h"

#include "lsp/server.h"

#include <cstdint>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

using vxcheck::fuzz::Expect;
using vxcheck::lsp::Json;

namespace {

constexpr std::string_view kStreamPrefix = "Content-Length";

std::string Framed(const Json& message) {
    const std::string body = message.dump();
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

Json Notification(const char* method, Json params) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

// The message text with the string "@@" replaced by raw, escaped as JSON asks but with its bytes
// kept as they are, also those that are not UTF-8 (the JSON library writes only UTF-8).
std::string WithRaw(const Json& message, std::string_view raw) {
    std::string escaped;
    vxcheck::lsp::AppendJsonString(escaped, raw);
    std::string body = message.dump();
    body.replace(body.find("\"@@\""), 4, escaped);
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Runs a server over input; returns its exit status and checks what it wrote. Each id in asked
// must be answered exactly once.
int Serve(const std::string& input, const std::map<int, int>& asked) {
    std::istringstream in(input);
    std::ostringstream out;
    vxcheck::lsp::Server server(in, out,
                                {[](const std::string&, vxcheck::lsp::DatabaseNames&) {}, {}});
    const int status = server.Run();
    std::istringstream written(out.str());
    vxcheck::lsp::MessageReader reader(written);
    std::map<int, int> answered;
    for (vxcheck::lsp::ReadResult read = reader.Read();
         read.status != vxcheck::lsp::ReadResult::Status::End; read = reader.Read()) {
        Expect(read.status == vxcheck::lsp::ReadResult::Status::Message,
               "the server writes framed messages only");
        const Json message = Json::parse(read.body, nullptr, false);
        Expect(!message.is_discarded() && message.is_object(),
               "each message is a JSON object in valid UTF-8");
        if (!message.contains("method") && message["id"].is_number_integer()) {
            ++answered[message["id"].get<int>()];
        }
    }
    Expect(written.eof(), "nothing follows the last message");
    for (const auto& [id, count] : asked) {
        Expect(answered[id] == count, "each request is answered exactly once");
    }
    return status;
}

// The document run: opens the input as a document and sends edits and requests derived from it.
void ServeDocument(std::string_view text) {
    std::seed_seq seed(text.begin(), text.end());
    std::mt19937 random(seed);
    auto below = [&](std::size_t bound) { return static_cast<int>(random() % (bound + 1)); };
    int lines = 1;
    std::size_t longest = 0;
    for (std::size_t at = 0, begin = 0; at <= text.size(); ++at) {
        if (at == text.size() || text[at] == '\n') {
            ++lines;
            longest = std::max(longest, at - begin);
            begin = at + 1;
        }
    }
    const char* encodings[] = {"utf-16", "utf-8", "utf-32"};
    Json capabilities = {{"general", {{"positionEncodings", {encodings[below(2)]}}}}};
    const std::string uri = "file:///fuzz/input.pqi";
    std::string input = Framed({{"jsonrpc", "2.0"},
                                {"id", 0},
                                {"method", "initialize"},
                                {"params", {{"capabilities", capabilities}}}});
    input += Framed(Notification("initialized", Json::object()));
    input += WithRaw(
        Notification("textDocument/didOpen",
                     {{"textDocument",
                       {{"uri", uri}, {"languageId", "phreeqc"}, {"version", 1}, {"text", "@@"}}}}),
        text);
    std::map<int, int> asked{{0, 1}};
    auto position = [&] {
        return Json{{"line", below(static_cast<std::size_t>(lines))},
                    {"character", below(longest + 2)}};
    };
    const char* requests[] = {"textDocument/completion", "textDocument/hover",
                              "textDocument/documentSymbol"};
    for (int step = 1; step <= 12; ++step) {
        if (step % 4 == 0) { // an edit: a piece of the input put in at a range
            const std::size_t from = static_cast<std::size_t>(below(text.size()));
            const std::string_view piece = text.substr(from, static_cast<std::size_t>(below(16)));
            Json change = {{"range", {{"start", position()}, {"end", position()}}}, {"text", "@@"}};
            input += WithRaw(Notification("textDocument/didChange",
                                          {{"textDocument", {{"uri", uri}, {"version", step}}},
                                           {"contentChanges", Json::array({change})}}),
                             piece);
            continue;
        }
        Json params = {{"textDocument", {{"uri", uri}}}, {"position", position()}};
        input += Framed(
            {{"jsonrpc", "2.0"}, {"id", step}, {"method", requests[below(2)]}, {"params", params}});
        asked[step] = 1;
    }
    input += Framed({{"jsonrpc", "2.0"}, {"id", 99}, {"method", "shutdown"}});
    input += Framed(Notification("exit", nullptr));
    asked[99] = 1;
    Expect(Serve(input, asked) == 0, "the server ends with status 0 after shutdown and exit");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.substr(0, kStreamPrefix.size()) == kStreamPrefix) {
        const std::string initialize = Framed(
            {{"jsonrpc", "2.0"}, {"id", 0}, {"method", "initialize"}, {"params", Json::object()}});
        Serve(initialize + std::string(bytes), {});
    } else {
        ServeDocument(bytes);
    }
    return 0;
}
