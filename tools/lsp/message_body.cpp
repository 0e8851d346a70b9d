// Nesting is counted by a scan that knows only strings and brackets; a body nested too deep is
// still read through the JSON library's event parser, which keeps no stack of calls, to find the
// id to answer. Invalid bytes travel through the parser as code points of a private-use block
// that the body does not use otherwise, and are put back into the strings of the parsed tree.
#include "lsp/message_body.h"

#include "lsp/positions.h"

#include <algorithm>
#include <bitset>
#include <optional>

namespace vxcheck::lsp {
namespace {

// The offset of the quote that closes the string opened at body[open], or npos.
std::size_t StringEnd(std::string_view body, std::size_t open) {
    std::size_t at = body.find_first_of("\"\\", open + 1);
    while (at != std::string_view::npos && body[at] == '\\') {
        at = body.find_first_of("\"\\", at + 2); // past the escaped character
    }
    return at;
}

// True when arrays and objects in body nest deeper than kMaxNesting.
bool TooDeep(std::string_view body) {
    constexpr std::string_view kMarks = "\"[]{}";
    std::size_t depth = 0;
    for (std::size_t at = body.find_first_of(kMarks); at != std::string_view::npos;
         at = body.find_first_of(kMarks, at + 1)) {
        const char mark = body[at];
        if (mark == '"') {
            at = StringEnd(body, at);
            if (at == std::string_view::npos) {
                return false;
            }
        } else if (mark == '[' || mark == '{') {
            if (++depth > kMaxNesting) {
                return true;
            }
        } else if (depth > 0) {
            --depth;
        }
    }
    return false;
}

// Finds the top-level "id" of a message without building anything.
class IdFinder : public nlohmann::json_sax<Json> {
  public:
    // The id found, when it is an integer or a string; else null.
    Json Id() const {
        if (m_text) {
            return *m_text;
        }
        return m_number ? Json(*m_number) : Json();
    }

    bool null() override { return Other(); }
    bool boolean(bool) override { return Other(); }
    bool number_integer(number_integer_t value) override {
        if (AtId()) {
            m_number = value;
        }
        return Other();
    }
    bool number_unsigned(number_unsigned_t value) override {
        return number_integer(static_cast<number_integer_t>(value));
    }
    bool number_float(number_float_t, const string_t&) override { return Other(); }
    bool string(string_t& value) override {
        if (AtId()) {
            m_text = value;
        }
        return Other();
    }
    bool binary(binary_t&) override { return Other(); }
    bool start_object(std::size_t) override { return Open(); }
    bool key(string_t& value) override {
        m_atId = m_depth == 1 && value == "id";
        return true;
    }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(); }
    bool end_array() override { return Close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

  private:
    bool AtId() const { return m_atId && m_depth == 1; }
    bool Other() {
        m_atId = false;
        return true;
    }
    bool Open() {
        ++m_depth;
        return Other();
    }
    bool Close() {
        --m_depth;
        return true;
    }

    std::optional<std::string> m_text;
    std::optional<number_integer_t> m_number;
    std::size_t m_depth = 0;
    bool m_atId = false;
};

// The private-use blocks of planes 15 and 16 that can carry bytes: one per UTF-16 high surrogate
// DB80 to DBFF, so that a block is also recognised in a \u escape. Byte b travels as code point
// block + b - 0x80.
constexpr char32_t kFirstBlock = 0xF0000;
constexpr char32_t kBlockSize = 0x400;
constexpr std::size_t kBlocks = 128;
constexpr unsigned kFirstHighSurrogate = 0xDB80;

char32_t Decode4(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<char32_t>(text[at + i]) & 0x3F; };
    return ((static_cast<char32_t>(text[at]) & 0x07) << 18) | (byte(1) << 12) | (byte(2) << 6) |
           byte(3);
}

void Encode4(std::string& out, char32_t code) {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
}

// The value of four hex digits, or nothing.
std::optional<unsigned> Hex4(std::string_view text) {
    unsigned value = 0;
    for (char ch : text.substr(0, 4)) {
        const int digit = ch >= '0' && ch <= '9'   ? ch - '0'
                          : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                          : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                                   : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return text.size() >= 4 ? std::optional(value) : std::nullopt;
}

// A block that body uses neither as characters nor as \u escapes; none when every one is used.
// Sets valid to whether body is UTF-8 throughout.
std::optional<char32_t> FreeBlock(std::string_view body, bool& valid) {
    std::bitset<kBlocks> used;
    valid = true;
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t length = Utf8SequenceLength(body, at);
        if (length == 0) {
            valid = false;
        } else if (length == 4 && Decode4(body, at) >= kFirstBlock) {
            used.set((Decode4(body, at) - kFirstBlock) / kBlockSize);
        } else if (body[at] == '\\' && at + 1 < body.size() && body[at + 1] == 'u') {
            std::optional<unsigned> unit = Hex4(body.substr(at + 2));
            if (unit && *unit >= kFirstHighSurrogate && *unit < kFirstHighSurrogate + kBlocks) {
                used.set(*unit - kFirstHighSurrogate);
            }
        }
        at += length == 0 ? 1 : length;
    }
    for (std::size_t block = kBlocks; block-- > 0;) {
        if (!used[block]) {
            return kFirstBlock + static_cast<char32_t>(block) * kBlockSize;
        }
    }
    return std::nullopt;
}

std::string EscapeBytes(std::string_view body, char32_t block) {
    std::string out;
    out.reserve(body.size() + body.size() / 8);
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t length = Utf8SequenceLength(body, at);
        if (length == 0) {
            Encode4(out, block + static_cast<unsigned char>(body[at]) - 0x80);
            ++at;
        } else {
            out.append(body, at, length);
            at += length;
        }
    }
    return out;
}

void RestoreBytes(std::string& text, char32_t block) {
    std::size_t to = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = std::max<std::size_t>(Utf8SequenceLength(text, at), 1);
        const char32_t code = length == 4 ? Decode4(text, at) : 0;
        if (code >= block && code < block + 0x80) {
            text[to++] = static_cast<char>(code - block + 0x80);
        } else {
            std::copy_n(text.begin() + static_cast<std::ptrdiff_t>(at), length,
                        text.begin() + static_cast<std::ptrdiff_t>(to));
            to += length;
        }
        at += length;
    }
    text.resize(to);
}

// Puts the bytes back into every string value; the tree is at most kMaxNesting deep.
void RestoreTree(Json& value, char32_t block) {
    if (value.is_string()) {
        RestoreBytes(value.get_ref<std::string&>(), block);
    } else if (value.is_structured()) {
        for (Json& child : value) {
            RestoreTree(child, block);
        }
    }
}

} // namespace

ParsedBody ParseBody(std::string body) {
    bool valid = true;
    const std::optional<char32_t> block = FreeBlock(body, valid);
    if (!valid) {
        if (!block) {
            return {nullptr, "invalid JSON", ErrorCode::ParseError, nullptr};
        }
        body = EscapeBytes(body, *block);
    }
    if (TooDeep(body)) {
        IdFinder finder;
        Json::sax_parse(body, &finder);
        return {nullptr,
                "a message may nest arrays and objects " + std::to_string(kMaxNesting) +
                    " deep at most",
                ErrorCode::InvalidRequest, finder.Id()};
    }
    Json message = Json::parse(body, nullptr, false);
    if (message.is_discarded()) {
        return {nullptr, "invalid JSON", ErrorCode::ParseError, nullptr};
    }
    if (!valid) {
        RestoreTree(message, *block);
    }
    return {std::move(message), {}, ErrorCode::ParseError, nullptr};
}

} // namespace vxcheck::lsp
