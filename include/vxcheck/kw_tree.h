// Cvx_KwTree and Cvx_KwTreeNode: the tree of keyword groups, keywords and identifiers that a host
// shows in its tree control, and one node of it with its help and double-click texts.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/cstring.h>
#include <vxcheck/platform/tree_ctrl.h>
#include <vxcheck/platform/tree_view.h>

class Cvx_Check;

// One node: a group (kind 0), keyword (1), identifier (2), or a node only constructed (-1). A node
// owns neither its child nor its sibling; the tree does.
class VXCHECK_API Cvx_KwTreeNode {
  public:
    // Empty text, kind -1, no links.
    Cvx_KwTreeNode();
    // Copies all four fields: the copy links to the same child and sibling.
    Cvx_KwTreeNode(const Cvx_KwTreeNode& other);
    Cvx_KwTreeNode& operator=(const Cvx_KwTreeNode& other);
    // Not virtual: the tree frees every node as a Cvx_KwTreeNode.
    ~Cvx_KwTreeNode();

    // "Item name: ", the name, "\r\n", "No help available.", whatever the kind.
    virtual CString GetItemTextHelp();
    // The name followed by "\r\n", whatever the kind.
    virtual CString GetItemTextDblClick();

    CString m_name;
    int m_kind;
    Cvx_KwTreeNode* m_next;  // the next sibling, or null
    Cvx_KwTreeNode* m_child; // the first child, or null
};

// The tree: an embedded root "List of Keywords" (kind -1) and the nodes under it, which it owns
// and frees in Clear and when it is destroyed.
class VXCHECK_API Cvx_KwTree {
  public:
    // A tree with only its root, bound to no checker.
    Cvx_KwTree();
    // Copying would leave two trees owning the same nodes, so a tree is moved instead: the
    // moved-to tree takes every node, and the moved-from tree keeps only its root.
    Cvx_KwTree(const Cvx_KwTree&) = delete;
    Cvx_KwTree& operator=(const Cvx_KwTree&) = delete;
    Cvx_KwTree(Cvx_KwTree&& other) noexcept;
    Cvx_KwTree& operator=(Cvx_KwTree&& other) noexcept;
    // Frees every node.
    ~Cvx_KwTree();

    // The root; never null.
    Cvx_KwTreeNode* GetRoot();
    // Binds the tree to a checker (may be null) and forgets the current group and keyword; the
    // nodes stay.
    void Init(Cvx_Check* check);
    // Frees every node but the root and unlinks the root. The current group and keyword are not
    // reset.
    void Clear();

    // Appends a group node (kind 0) under the root, makes it the current group and returns it.
    Cvx_KwTreeNode* AddGroupNode(CString name);
    // Appends a keyword node (kind 1) under the current group, which must exist, makes it the
    // current keyword and returns it. When withIdentifiers is not 0 and the tree is bound to a
    // checker, the keyword's listed identifiers go under it as nodes of kind 2.
    Cvx_KwTreeNode* AddKeywordNode(CString keyword, int withIdentifiers);
    // Appends a new node (kind -1) with the text as the parent's last child and returns it.
    Cvx_KwTreeNode* AddChildNode(Cvx_KwTreeNode* parent, CString text);
    // Makes child the parent's first child; earlier children are no longer reachable from it.
    void AddChildNode(Cvx_KwTreeNode* parent, Cvx_KwTreeNode* child);
    // The last node of the sibling chain that starts at node (node itself when it has no next).
    Cvx_KwTreeNode* GetLastSibling(Cvx_KwTreeNode* node);
    // Puts newNode directly after node, before node's former next sibling.
    void AddSiblingNode(Cvx_KwTreeNode* node, Cvx_KwTreeNode* newNode);

    // Hands every node but the root to the callback, each after its descendants and its later
    // siblings, so the callback may free the node it is given.
    void ForAll(void (*callback)(Cvx_KwTreeNode*));
    // Inserts node, its later siblings and all their descendants into the control under parent
    // (TVI_ROOT: the nodes of this level are not shown; their children go to the top level).
    void RecursiveAddItemToVisualTree(CTreeCtrl* control, Cvx_KwTreeNode* node, HTREEITEM parent);

    // Destroys and frees a node made with new; does nothing for null.
    static void DeleteNode(Cvx_KwTreeNode* node);

  protected:
    // Hands node, its descendants and its later siblings with theirs to the callback, in the order
    // of ForAll; the tree's root itself is never handed over.
    void RecursiveForAll(Cvx_KwTreeNode* node, void (*callback)(Cvx_KwTreeNode*));

    Cvx_KwTreeNode* m_currentGroup;   // the group that AddGroupNode added last
    Cvx_KwTreeNode* m_currentKeyword; // the keyword that AddKeywordNode added last
    Cvx_KwTreeNode m_root;
    Cvx_Check* m_check; // asked for identifiers by AddKeywordNode
};
