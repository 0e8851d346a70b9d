// Templates of the blocks users write most, offered where a keyword may stand when the client
// takes snippets.
#pragma once

#include <span>
#include <string_view>

namespace vxcheck::lsp {

struct BlockSnippet {
    std::string_view label;  // "SOLUTION block"
    std::string_view detail; // what the template holds
    std::string_view body;   // in the snippet format: ${1:default}, $0
};

std::span<const BlockSnippet> BlockSnippets();

} // namespace vxcheck::lsp
