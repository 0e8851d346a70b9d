// The answers of vxcheck, as text (one string per line, bytes as they are) or as one line of
// compact JSON whose strings carry every byte as one character (Latin-1).
#pragma once

#include <vxcheck/platform/cstring.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

class Cvx_KwTreeNode;

namespace vxcheck::cli {

// A JSON string literal, quotes included, for 8-bit text: bytes 0x7F to 0xFF become \u007f to
// \u00ff, the usual short escapes stand for " \ and the bytes 8, 9, 10, 12 and 13, other bytes
// below 0x20 become \u00XX in lower-case hex, and every other byte stands for itself.
std::string JsonString(std::string_view bytes);

class Output {
  public:
    Output(std::ostream& out, bool json) : m_out(out), m_json(json) {}

    // Each string on its own line; in JSON, an array of strings.
    void List(const std::vector<CString>& list);
    // The number and a line feed, in both forms.
    void Integer(int value);
    // The root and every node under it, a node before its children. Text: one node per line,
    // indented by two blanks per level. JSON: {"name":...,"kind":...,"children":[...]}.
    void Tree(const Cvx_KwTreeNode& root);

  private:
    void TextNode(const Cvx_KwTreeNode& node, int level);
    void JsonNode(const Cvx_KwTreeNode& node);

    std::ostream& m_out;
    bool m_json;
};

} // namespace vxcheck::cli
