// UTF-8 decoding as positions need it. A byte that does not start a well-formed sequence (a
// Latin-1 byte of a file that the editor did not decode) counts as one character of one code
// unit in UTF-16 and one byte in UTF-8; see docs/decisions.md.
#include "lsp/positions.h"

namespace vxcheck::lsp {
namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length in bytes of the well-formed sequence at text[at], or 0 when none starts there.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    if (byte >= 0xC2 && byte <= 0xDF) {
        length = 2;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        length = 3;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        length = 4;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) {
            return 0;
        }
    }
    return length;
}

// Bytes and code units of the character at text[at].
struct Step {
    std::size_t bytes;
    std::size_t units;
};

Step StepAt(std::string_view text, std::size_t at, PositionEncoding encoding) {
    std::size_t length = SequenceLength(text, at);
    if (length == 0) {
        return {1, 1};
    }
    if (encoding == PositionEncoding::Utf8) {
        return {length, length};
    }
    return {length, length == 4 ? 2u : 1u};
}

} // namespace

std::string_view EncodingName(PositionEncoding encoding) {
    return encoding == PositionEncoding::Utf8 ? "utf-8" : "utf-16";
}

std::size_t ByteOffset(std::string_view line, std::size_t character, PositionEncoding encoding) {
    std::size_t byte = 0;
    std::size_t units = 0;
    while (byte < line.size()) {
        Step step = StepAt(line, byte, encoding);
        if (units + step.units > character) {
            break;
        }
        units += step.units;
        byte += step.bytes;
    }
    return byte;
}

std::size_t Character(std::string_view line, std::size_t byte, PositionEncoding encoding) {
    std::size_t at = 0;
    std::size_t units = 0;
    while (at < line.size() && at < byte) {
        Step step = StepAt(line, at, encoding);
        at += step.bytes;
        units += step.units;
    }
    return units;
}

std::string ToUtf8(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = SequenceLength(text, at);
        if (length != 0) {
            result.append(text.substr(at, length));
            at += length;
            continue;
        }
        auto byte = static_cast<unsigned char>(text[at++]);
        result += static_cast<char>(0xC0 | (byte >> 6));
        result += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return result;
}

} // namespace vxcheck::lsp
