// Text and JSON forms of the answers.
#include "output.h"

#include <vxcheck/kw_tree.h>

namespace vxcheck::cli {

namespace {

std::string_view Bytes(const CString& text) {
    return {text.GetString(), static_cast<std::size_t>(text.GetLength())};
}

} // namespace

std::string JsonString(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (byte) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case 0x08:
            json += "\\b";
            break;
        case 0x09:
            json += "\\t";
            break;
        case 0x0A:
            json += "\\n";
            break;
        case 0x0C:
            json += "\\f";
            break;
        case 0x0D:
            json += "\\r";
            break;
        default:
            if (byte < 0x20 || byte >= 0x7F) {
                json += "\\u00";
                json += kHex[byte >> 4];
                json += kHex[byte & 0x0F];
            } else {
                json += ch;
            }
        }
    }
    return json + "\"";
}

void Output::List(const std::vector<CString>& list) {
    if (!m_json) {
        for (const CString& entry : list) {
            m_out << Bytes(entry) << '\n';
        }
        return;
    }
    m_out << '[';
    for (std::size_t i = 0; i < list.size(); ++i) {
        m_out << (i == 0 ? "" : ",") << JsonString(Bytes(list[i]));
    }
    m_out << "]\n";
}

void Output::Integer(int value) {
    m_out << value << '\n';
}

void Output::Tree(const Cvx_KwTreeNode& root) {
    if (m_json) {
        JsonNode(root);
        m_out << '\n';
    } else {
        TextNode(root, 0);
    }
}

void Output::TextNode(const Cvx_KwTreeNode& node, int level) {
    m_out << std::string(static_cast<std::size_t>(level) * 2, ' ') << Bytes(node.m_name) << '\n';
    for (const Cvx_KwTreeNode* child = node.m_child; child != nullptr; child = child->m_next) {
        TextNode(*child, level + 1);
    }
}

void Output::JsonNode(const Cvx_KwTreeNode& node) {
    m_out << "{\"name\":" << JsonString(Bytes(node.m_name)) << ",\"kind\":" << node.m_kind
          << ",\"children\":[";
    for (const Cvx_KwTreeNode* child = node.m_child; child != nullptr; child = child->m_next) {
        m_out << (child == node.m_child ? "" : ",");
        JsonNode(*child);
    }
    m_out << "]}";
}

} // namespace vxcheck::cli
