// Cvx_KwTree::RecursiveAddItemToVisualTree: inserting the tree's nodes into the host's tree
// control, each item carrying its node.
#include <vxcheck/kw_tree.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

// Sends one TVM_INSERTITEMA for the node, appended under parent; the new item or null.
HTREEITEM InsertNodeItem(CTreeCtrl* control, Cvx_KwTreeNode* node, HTREEITEM parent) {
    CString text = node->m_name; // the control gets a copy of the name, never the name itself
    TVINSERTSTRUCT insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = text.GetBuffer();
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(control->m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

} // namespace

// The order is that of a recursion that inserts a node, then its later siblings with all their
// descendants, and last the node's own children under the node's item. A stack of our own holds
// the nodes whose children are still to come, so long chains cannot exhaust the call stack.
// Under TVI_ROOT nothing is inserted and the children go under a null parent, the top level; a
// refused item (null) sends its node's children to the top level as well.
void Cvx_KwTree::RecursiveAddItemToVisualTree(CTreeCtrl* control, Cvx_KwTreeNode* node,
                                              HTREEITEM parent) {
    std::vector<std::pair<Cvx_KwTreeNode*, HTREEITEM>> childrenToInsert;
    while (node != nullptr) {
        for (; node != nullptr; node = node->m_next) {
            const HTREEITEM item =
                parent != TVI_ROOT ? InsertNodeItem(control, node, parent) : nullptr;
            childrenToInsert.emplace_back(node, item);
        }
        // The last sibling's children come first, then those of the one before it, and so on.
        while (node == nullptr && !childrenToInsert.empty()) {
            std::tie(node, parent) = childrenToInsert.back();
            childrenToInsert.pop_back();
            node = node->m_child;
        }
    }
}
