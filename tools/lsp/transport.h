// Content-Length framing of language-server messages over any stream pair. It knows bodies only,
// never what they mean.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace vxcheck::lsp {

// What one call of MessageReader::Read found.
struct ReadResult {
    enum class Status {
        Message,   // body holds one message body
        Malformed, // a header block without a usable Content-Length; error says why
        End,       // the stream ended (also in the middle of a message)
    };
    Status status = Status::End;
    std::string body;
    std::string error;
};

// Reads framed messages one after the other. After a malformed header block it resumes at the
// next "Content-Length:" it meets, also when that stands behind stray bytes on a line.
class MessageReader {
  public:
    // Bodies longer than this are refused as malformed, before anything of them is read.
    static constexpr std::size_t kMaxBodyLength = std::size_t{256} << 20;

    explicit MessageReader(std::istream& in) : m_in(in) {}

    // The next message, a malformed header block, or the end of the stream.
    ReadResult Read();
    // True when bytes are waiting that can be read without blocking.
    bool HasPending() const;

  private:
    std::istream& m_in;
};

// Writes one message with its header and flushes the stream.
void WriteMessage(std::ostream& out, std::string_view body);

} // namespace vxcheck::lsp
