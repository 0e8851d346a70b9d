// `vxcheck lsp` as a child process, spoken to through two pipes, for the benchmarks that drive
// the server as an editor does.
#pragma once

#include "lsp/protocol.h"
#include "lsp/transport.h"

#include <ext/stdio_filebuf.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

extern char** environ;

namespace vxcheck::bench {

using vxcheck::lsp::Json;

class ServerProcess {
  public:
    explicit ServerProcess(const char* program) {
        int toChild[2];
        int fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) {
            throw std::runtime_error("pipe failed");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
        posix_spawn_file_actions_addclose(&actions, toChild[1]);
        posix_spawn_file_actions_addclose(&actions, fromChild[0]);
        char* argv[] = {const_cast<char*>(program), const_cast<char*>("lsp"), nullptr};
        if (posix_spawn(&m_pid, program, &actions, nullptr, argv, environ) != 0) {
            throw std::runtime_error(std::string("cannot start ") + program);
        }
        posix_spawn_file_actions_destroy(&actions);
        close(toChild[0]);
        close(fromChild[1]);
        m_writeBuffer = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(toChild[1], std::ios::out);
        m_readBuffer = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(fromChild[0], std::ios::in);
        m_out = std::make_unique<std::ostream>(m_writeBuffer.get());
        m_in = std::make_unique<std::istream>(m_readBuffer.get());
        m_reader = std::make_unique<vxcheck::lsp::MessageReader>(*m_in);
    }

    void Send(const Json& message) { vxcheck::lsp::WriteMessage(*m_out, message.dump()); }

    // Sends a request and waits for the whole of its answer, passing over notifications. The
    // answer is returned unparsed, so that timing it leaves out the client's own parsing.
    std::string Call(int id, const std::string& method, const Json& params) {
        Send({{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}});
        // The server writes keys in sorted order, so an answer's body begins with its id.
        const std::string key = "{\"id\":" + std::to_string(id) + ",";
        for (;;) {
            vxcheck::lsp::ReadResult read = m_reader->Read();
            if (read.status != vxcheck::lsp::ReadResult::Status::Message) {
                throw std::runtime_error("the server stopped answering");
            }
            if (read.body.compare(0, key.size(), key) == 0) {
                return read.body;
            }
        }
    }

    // Waits for the diagnostics of version of uri, passing over other messages; returns how
    // many diagnostics there are.
    std::size_t WaitForDiagnostics(const std::string& uri, int version) {
        for (;;) {
            vxcheck::lsp::ReadResult read = m_reader->Read();
            if (read.status != vxcheck::lsp::ReadResult::Status::Message) {
                throw std::runtime_error("the server stopped answering");
            }
            if (read.body.find("\"textDocument/publishDiagnostics\"") == std::string::npos) {
                continue;
            }
            const Json params = Json::parse(read.body)["params"];
            if (params["uri"] == uri && params["version"] == version) {
                return params["diagnostics"].size();
            }
        }
    }

    // The child's peak resident memory so far (VmHWM), in bytes.
    std::size_t PeakMemory() const {
        std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmHWM:", 0) == 0) {
                return std::stoul(line.substr(6)) * 1024;
            }
        }
        return 0;
    }

    int Finish() {
        Call(999999, "shutdown", nullptr);
        Send({{"jsonrpc", "2.0"}, {"method", "exit"}});
        m_out.reset();
        m_writeBuffer.reset();
        int status = 0;
        waitpid(m_pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t m_pid = 0;
    std::unique_ptr<__gnu_cxx::stdio_filebuf<char>> m_writeBuffer;
    std::unique_ptr<__gnu_cxx::stdio_filebuf<char>> m_readBuffer;
    std::unique_ptr<std::ostream> m_out;
    std::unique_ptr<std::istream> m_in;
    std::unique_ptr<vxcheck::lsp::MessageReader> m_reader;
};

} // namespace vxcheck::bench
