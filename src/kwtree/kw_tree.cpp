// Cvx_KwTree: building the tree node by node, walking it, and freeing it.
#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>

#include <utility>
#include <vector>

Cvx_KwTree::Cvx_KwTree() : m_currentGroup(nullptr), m_currentKeyword(nullptr), m_check(nullptr) {
    m_root.m_name = "List of Keywords";
}

// Copying is not offered (docs/decisions.md): a copy would hold the same node pointers as its
// source, and one of the two would free nodes that the other still uses.
Cvx_KwTree::Cvx_KwTree(Cvx_KwTree&& other) noexcept
    : m_currentGroup(std::exchange(other.m_currentGroup, nullptr)),
      m_currentKeyword(std::exchange(other.m_currentKeyword, nullptr)), m_root(other.m_root),
      m_check(other.m_check) {
    other.m_root.m_next = nullptr;
    other.m_root.m_child = nullptr;
}

Cvx_KwTree& Cvx_KwTree::operator=(Cvx_KwTree&& other) noexcept {
    if (this != &other) {
        Clear();
        m_currentGroup = std::exchange(other.m_currentGroup, nullptr);
        m_currentKeyword = std::exchange(other.m_currentKeyword, nullptr);
        m_root = other.m_root;
        m_check = other.m_check;
        other.m_root.m_next = nullptr;
        other.m_root.m_child = nullptr;
    }
    return *this;
}

Cvx_KwTree::~Cvx_KwTree() {
    Clear();
}

Cvx_KwTreeNode* Cvx_KwTree::GetRoot() {
    return &m_root;
}

void Cvx_KwTree::Init(Cvx_Check* check) {
    m_check = check;
    m_currentGroup = nullptr;
    m_currentKeyword = nullptr;
}

void Cvx_KwTree::Clear() {
    ForAll(DeleteNode);
    m_root.m_next = nullptr;
    m_root.m_child = nullptr;
}

Cvx_KwTreeNode* Cvx_KwTree::AddGroupNode(CString name) {
    m_currentGroup = AddChildNode(&m_root, name);
    m_currentGroup->m_kind = 0;
    return m_currentGroup;
}

Cvx_KwTreeNode* Cvx_KwTree::AddKeywordNode(CString keyword, int withIdentifiers) {
    Cvx_KwTreeNode* keywordNode = AddChildNode(m_currentGroup, keyword);
    m_currentKeyword = keywordNode;
    keywordNode->m_kind = 1;
    if (withIdentifiers == 0 || m_check == nullptr) {
        return keywordNode;
    }
    // The identifiers pass through a string array, as the host's framework hands lists over.
    const std::vector<CString> identifiers = m_check->GetIdentifier(keyword);
    CStringArray names;
    names.SetSize(static_cast<int>(identifiers.size()));
    for (int i = 0; i < static_cast<int>(identifiers.size()); ++i) {
        names.SetAtGrow(i, identifiers[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < names.GetSize(); ++i) {
        AddChildNode(keywordNode, names[i])->m_kind = 2;
    }
    return keywordNode;
}

Cvx_KwTreeNode* Cvx_KwTree::AddChildNode(Cvx_KwTreeNode* parent, CString text) {
    auto* node = new Cvx_KwTreeNode;
    node->m_name = text;
    if (parent->m_child == nullptr) {
        AddChildNode(parent, node);
    } else {
        AddSiblingNode(GetLastSibling(parent->m_child), node);
    }
    return node;
}

void Cvx_KwTree::AddChildNode(Cvx_KwTreeNode* parent, Cvx_KwTreeNode* child) {
    parent->m_child = child;
}

Cvx_KwTreeNode* Cvx_KwTree::GetLastSibling(Cvx_KwTreeNode* node) {
    while (node->m_next != nullptr) {
        node = node->m_next;
    }
    return node;
}

void Cvx_KwTree::AddSiblingNode(Cvx_KwTreeNode* node, Cvx_KwTreeNode* newNode) {
    newNode->m_next = node->m_next;
    node->m_next = newNode;
}

void Cvx_KwTree::ForAll(void (*callback)(Cvx_KwTreeNode*)) {
    RecursiveForAll(&m_root, callback);
}

// The order is that of a recursion into the first child, then into the next sibling, then the
// callback; a stack of our own stands in for the call stack, so long sibling chains and deep
// trees cannot exhaust it. A node's links are read before the callback can free it.
void Cvx_KwTree::RecursiveForAll(Cvx_KwTreeNode* node, void (*callback)(Cvx_KwTreeNode*)) {
    enum class Step { Child, Next, Callback };
    struct Frame {
        Cvx_KwTreeNode* node;
        Step step;
    };
    std::vector<Frame> stack{{node, Step::Child}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        Cvx_KwTreeNode* current = frame.node;
        switch (frame.step) {
        case Step::Child:
            frame.step = Step::Next;
            if (current->m_child != nullptr) {
                stack.push_back({current->m_child, Step::Child});
            }
            break;
        case Step::Next:
            frame.step = Step::Callback;
            if (current->m_next != nullptr) {
                stack.push_back({current->m_next, Step::Child});
            }
            break;
        case Step::Callback:
            stack.pop_back();
            if (current != &m_root) {
                callback(current);
            }
            break;
        }
    }
}

// The node class has no virtual destructor (its layout is fixed for hosts), so nodes are freed as
// what the tree makes: plain Cvx_KwTreeNode objects.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdelete-non-virtual-dtor"
void Cvx_KwTree::DeleteNode(Cvx_KwTreeNode* node) {
    delete node;
}
#pragma GCC diagnostic pop
