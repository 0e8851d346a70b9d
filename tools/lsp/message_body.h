// From a message body to its JSON value. Two things happen before the JSON library builds a tree:
// the nesting of arrays and objects is bounded, since a deep enough value exhausts the stack of
// whatever walks it recursively; and bytes that are not UTF-8, which the JSON library refuses,
// are carried through its parser into the strings where they stood.
#pragma once

#include "lsp/protocol.h"

#include <cstddef>
#include <string>

namespace vxcheck::lsp {

// Arrays and objects nest at most this deep in a message; the protocol's own need about ten.
inline constexpr std::size_t kMaxNesting = 128;

// A parsed message, or why there is none.
struct ParsedBody {
    Json message;      // the message, when error is empty
    std::string error; // why there is no message
    ErrorCode code = ErrorCode::ParseError;
    Json id; // with an error: the id of the request when it could still be read, else null
};

// The message of a body. Its strings hold the body's bytes as they were, also bytes that are
// not UTF-8; an invalid byte inside an object key is kept as a private-use character instead.
ParsedBody ParseBody(std::string body);

} // namespace vxcheck::lsp
