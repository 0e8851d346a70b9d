// Cvx_KwTreeNode: construction, copying and the two texts that the host shows for an item.
#include <vxcheck/kw_tree.h>

Cvx_KwTreeNode::Cvx_KwTreeNode() : m_kind(-1), m_next(nullptr), m_child(nullptr) {}

Cvx_KwTreeNode::Cvx_KwTreeNode(const Cvx_KwTreeNode& other) = default;

Cvx_KwTreeNode& Cvx_KwTreeNode::operator=(const Cvx_KwTreeNode& other) = default;

Cvx_KwTreeNode::~Cvx_KwTreeNode() = default;

CString Cvx_KwTreeNode::GetItemTextHelp() {
    return "Item name: " + m_name + "\r\n" + "No help available.";
}

CString Cvx_KwTreeNode::GetItemTextDblClick() {
    return m_name + "\r\n";
}
