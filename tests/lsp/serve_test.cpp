// `vxcheck lsp` as a process: whatever it is sent, its standard output holds protocol messages
// and nothing else, and its exit status follows shutdown and exit.
#include "lsp/protocol.h"
#include "lsp/transport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace vxcheck::lsp {
namespace {

std::string Framed(const std::string& body) {
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Runs `vxcheck lsp` on input; returns the exit status and the messages on standard output.
int Serve(const std::string& input, std::vector<Json>& messages) {
    std::string base = (std::filesystem::temp_directory_path() /
                        ("vxcheck-serve-test-" + std::to_string(getpid())))
                           .string();
    std::ofstream(base + ".in", std::ios::binary) << input;
    std::string command = std::string("PHREEQC_DATABASE=/nonexistent/env.dat '") + VXCHECK_PROGRAM +
                          "' lsp <'" + base + ".in' >'" + base + ".out'";
    int raw = std::system(command.c_str());
    std::ifstream out(base + ".out", std::ios::binary);
    MessageReader reader(out);
    for (ReadResult read = reader.Read(); read.status != ReadResult::Status::End;
         read = reader.Read()) {
        EXPECT_EQ(read.status, ReadResult::Status::Message);
        messages.push_back(Json::parse(read.body));
    }
    EXPECT_TRUE(out.eof());
    std::filesystem::remove(base + ".in");
    std::filesystem::remove(base + ".out");
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(Serve, WritesOnlyProtocolMessagesAndExitsAsTold) {
    std::vector<Json> messages;
    std::string input =
        Framed(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})") +
        "garbage\r\n\r\n" + Framed("{not json") +
        Framed(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":)"
               R"({"uri":"file:///x.pqi","languageId":"phreeqc","version":1,"text":"END"}}})") +
        Framed(R"({"jsonrpc":"2.0","id":2,"method":"shutdown"})") +
        Framed(R"({"jsonrpc":"2.0","method":"exit"})");
    EXPECT_EQ(Serve(input, messages), 0);
    ASSERT_EQ(messages.size(), 6u); // answer, 2 errors, showMessage, diagnostics, answer
    EXPECT_EQ(messages[3]["method"], "window/showMessage"); // PHREEQC_DATABASE cannot be read
    EXPECT_EQ(messages[5]["id"], 2);

    messages.clear();
    EXPECT_EQ(
        Serve(Framed(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})"), messages),
        1); // the input ends without shutdown and exit
}

} // namespace
} // namespace vxcheck::lsp
