// Content-Length framing: header lines up to an empty line, then exactly that many body bytes.
#include "lsp/transport.h"

#include "lsp/text.h"

#include <algorithm>
#include <charconv>

namespace vxcheck::lsp {
namespace {

constexpr std::string_view kLengthHeader = "content-length:";
constexpr std::size_t kReadStep = std::size_t{1} << 20;

// The value of a Content-Length header line, or npos when the line is no usable one.
std::size_t ParseLength(std::string_view line) {
    std::string_view value = line.substr(kLengthHeader.size());
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) {
        value.remove_prefix(1);
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.remove_suffix(1);
    }
    std::size_t length = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), length);
    if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
        return std::string_view::npos;
    }
    return length;
}

} // namespace

ReadResult MessageReader::Read() {
    std::string line;
    bool inHeader = false; // at least one header line was read
    bool haveLength = false;
    std::size_t length = 0;
    std::string error;
    while (std::getline(m_in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            if (!inHeader) {
                continue; // blank lines between messages
            }
            if (!haveLength) {
                return {ReadResult::Status::Malformed,
                        {},
                        error.empty() ? "no Content-Length header" : error};
            }
            if (length > kMaxBodyLength) {
                return {ReadResult::Status::Malformed, {}, "Content-Length too large"};
            }
            // Read in steps, so that a length that the bytes never reach costs no more memory
            // than the bytes that came.
            ReadResult result{ReadResult::Status::Message, {}, {}};
            while (result.body.size() < length) {
                const std::size_t have = result.body.size();
                const std::size_t step = std::min(kReadStep, length - have);
                result.body.resize(have + step);
                m_in.read(result.body.data() + have, static_cast<std::streamsize>(step));
                if (static_cast<std::size_t>(m_in.gcount()) != step) {
                    return {};
                }
            }
            return result;
        }
        std::string lower = Lower(line);
        std::size_t at = lower.find(kLengthHeader);
        if (at != std::string::npos) {
            if (at != 0) {
                // Stray bytes before a header, such as the tail of a body whose length was
                // wrong: a message starts over here.
                error.clear();
            }
            inHeader = true;
            length = ParseLength(std::string_view(lower).substr(at));
            haveLength = length != std::string_view::npos;
            if (!haveLength) {
                error = "bad Content-Length value";
            }
        } else if (line.find(':') != std::string::npos) {
            inHeader = true; // another header, such as Content-Type: ignored
        } else {
            inHeader = true;
            error = "bad header line";
        }
    }
    return {};
}

bool MessageReader::HasPending() const {
    return m_in.good() && m_in.rdbuf()->in_avail() > 0;
}

void WriteMessage(std::ostream& out, std::string_view body) {
    out << "Content-Length: " << body.size() << "\r\n\r\n" << body;
    out.flush();
}

} // namespace vxcheck::lsp
