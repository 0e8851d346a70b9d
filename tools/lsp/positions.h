// Positions inside a line: the protocol counts characters in UTF-16, UTF-8 or UTF-32 code units,
// the server works on byte offsets. Also the one conversion of outgoing text to valid UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vxcheck::lsp {

enum class PositionEncoding { Utf16, Utf8, Utf32 };

// The protocol's name of an encoding: "utf-16", "utf-8" or "utf-32".
std::string_view EncodingName(PositionEncoding encoding);

// Byte offset of a character position in line. A position past the end gives the line's length;
// one that falls inside a character gives that character's first byte.
std::size_t ByteOffset(std::string_view line, std::size_t character, PositionEncoding encoding);

// Character position, in code units of encoding, of a byte offset in line (clamped to the line).
std::size_t Character(std::string_view line, std::size_t byte, PositionEncoding encoding);

// Length in bytes of the well-formed UTF-8 sequence at text[at] (1 to 4), or 0 when none starts
// there: overlong forms, surrogates and code points above U+10FFFF are not well formed.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// text as valid UTF-8: well-formed sequences are kept, every other byte is read as Latin-1.
std::string ToUtf8(std::string_view text);

} // namespace vxcheck::lsp
