// UTF-8 decoding as positions need it. A byte that does not start a well-formed sequence (a
// Latin-1 byte of a file that the editor did not decode) counts as one character of one code
// unit in every encoding; see docs/decisions.md.
#include "lsp/positions.h"

namespace vxcheck::lsp {
namespace {

// Bytes and code units of the character at text[at].
struct Step {
    std::size_t bytes;
    std::size_t units;
};

Step StepAt(std::string_view text, std::size_t at, PositionEncoding encoding) {
    std::size_t length = Utf8SequenceLength(text, at);
    if (length == 0) {
        return {1, 1};
    }
    switch (encoding) {
    case PositionEncoding::Utf8:
        return {length, length};
    case PositionEncoding::Utf32:
        return {length, 1};
    case PositionEncoding::Utf16:
        break;
    }
    return {length, length == 4 ? 2u : 1u};
}

} // namespace

std::string_view EncodingName(PositionEncoding encoding) {
    switch (encoding) {
    case PositionEncoding::Utf8:
        return "utf-8";
    case PositionEncoding::Utf32:
        return "utf-32";
    case PositionEncoding::Utf16:
        break;
    }
    return "utf-16";
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    // The range of the second byte narrows for the leads where it rules out overlong forms,
    // surrogates (ED A0..BF) and code points past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
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
        std::size_t length = Utf8SequenceLength(text, at);
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
