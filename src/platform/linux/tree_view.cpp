// The tree-view control: items with their own copies of text and data, linked to their parent and
// siblings, answering the tree-view messages.
#include <vxcheck/platform/mbstring.h>
#include <vxcheck/platform/tree_view.h>

#include "platform/linux/window_object.h"
#include "platform/tree_view_filter.h"

#include <cstring>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vxcheck {
namespace {

// Item ids are the handle values; 0 is the invisible top level that holds the top-level items.
using ItemId = ULONG_PTR;
constexpr ItemId kTopLevel = 0;

struct TreeViewItem {
    std::string text;
    LPARAM data = 0;
    ItemId parent = kTopLevel;
    ItemId firstChild = 0;
    ItemId lastChild = 0;
    ItemId previous = 0;
    ItemId next = 0;
};

HTREEITEM ToHandle(ItemId id) {
    return reinterpret_cast<HTREEITEM>(id);
}

class TreeView final : public WindowObject {
  public:
    TreeView() { items.emplace(kTopLevel, TreeViewItem{}); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case TVM_INSERTITEMA:
            return reinterpret_cast<LRESULT>(
                Insert(reinterpret_cast<const TVINSERTSTRUCTA*>(lParam)));
        case TVM_DELETEITEM:
            return Delete(reinterpret_cast<HTREEITEM>(lParam));
        case TVM_GETCOUNT:
            return static_cast<LRESULT>(items.size() - 1);
        case TVM_GETNEXTITEM:
            return reinterpret_cast<LRESULT>(GetNext(wParam, reinterpret_cast<HTREEITEM>(lParam)));
        case TVM_GETITEMA:
            return GetItem(reinterpret_cast<TVITEMA*>(lParam));
        default:
            return 0;
        }
    }

    TreeViewInsertFilter filter;

  private:
    // The item behind a handle; TVI_ROOT and null are the top level. Null for an unknown handle.
    TreeViewItem* Find(HTREEITEM handle, bool topLevelAllowed) {
        if (handle == nullptr || handle == TVI_ROOT) {
            return topLevelAllowed ? &items.at(kTopLevel) : nullptr;
        }
        const auto found = items.find(reinterpret_cast<ItemId>(handle));
        return found == items.end() ? nullptr : &found->second;
    }

    HTREEITEM Insert(const TVINSERTSTRUCTA* insert) {
        if (insert == nullptr) {
            return nullptr;
        }
        const HTREEITEM parentHandle = insert->hParent == TVI_ROOT ? nullptr : insert->hParent;
        TreeViewItem* parent = Find(parentHandle, true);
        if (parent == nullptr || (filter && !filter(*insert))) {
            return nullptr;
        }
        const ItemId parentId = reinterpret_cast<ItemId>(parentHandle);
        // An insertion place that is no child of the parent is refused, as are unknown handles.
        const ItemId after = PlaceAfter(*parent, parentId, *insert);
        if (after == ItemId(-1)) {
            return nullptr;
        }
        const ItemId id = ++lastId;
        TreeViewItem item;
        if ((insert->item.mask & TVIF_TEXT) != 0 && insert->item.pszText != nullptr) {
            item.text = insert->item.pszText;
        }
        if ((insert->item.mask & TVIF_PARAM) != 0) {
            item.data = insert->item.lParam;
        }
        items.emplace(id, std::move(item));
        Link(id, parentId, after);
        return ToHandle(id);
    }

    // The child after which a new item goes: 0 for the first place, -1 when the place is invalid.
    ItemId PlaceAfter(const TreeViewItem& parent, ItemId parentId, const TVINSERTSTRUCTA& insert) {
        const HTREEITEM after = insert.hInsertAfter;
        if (after == TVI_FIRST) {
            return 0;
        }
        if (after == TVI_LAST || after == nullptr) {
            return parent.lastChild;
        }
        if (after == TVI_SORT) {
            // After the last child whose text does not sort after the new one.
            const char* text = (insert.item.mask & TVIF_TEXT) != 0 && insert.item.pszText != nullptr
                                   ? insert.item.pszText
                                   : "";
            ItemId place = 0;
            for (ItemId child = parent.firstChild; child != 0; child = items.at(child).next) {
                if (_mbsicmp(reinterpret_cast<const unsigned char*>(items.at(child).text.c_str()),
                             reinterpret_cast<const unsigned char*>(text)) > 0) {
                    break;
                }
                place = child;
            }
            return place;
        }
        const TreeViewItem* sibling = Find(after, false);
        return sibling != nullptr && sibling->parent == parentId ? reinterpret_cast<ItemId>(after)
                                                                 : ItemId(-1);
    }

    // Puts the item among the parent's children directly after the child after (0: first).
    void Link(ItemId id, ItemId parentId, ItemId after) {
        TreeViewItem& item = items.at(id);
        TreeViewItem& parent = items.at(parentId);
        item.parent = parentId;
        item.previous = after;
        item.next = after == 0 ? parent.firstChild : items.at(after).next;
        if (after == 0) {
            parent.firstChild = id;
        } else {
            items.at(after).next = id;
        }
        if (item.next == 0) {
            parent.lastChild = id;
        } else {
            items.at(item.next).previous = id;
        }
    }

    void Unlink(ItemId id) {
        const TreeViewItem& item = items.at(id);
        TreeViewItem& parent = items.at(item.parent);
        if (item.previous == 0) {
            parent.firstChild = item.next;
        } else {
            items.at(item.previous).next = item.next;
        }
        if (item.next == 0) {
            parent.lastChild = item.previous;
        } else {
            items.at(item.next).previous = item.previous;
        }
    }

    BOOL Delete(HTREEITEM handle) {
        if (handle == nullptr || handle == TVI_ROOT) {
            items.clear();
            items.emplace(kTopLevel, TreeViewItem{});
            return TRUE;
        }
        const ItemId id = reinterpret_cast<ItemId>(handle);
        if (items.find(id) == items.end()) {
            return FALSE;
        }
        Unlink(id);
        // Descendants go with the item; a work list keeps deep trees off the call stack.
        std::vector<ItemId> doomed{id};
        while (!doomed.empty()) {
            const ItemId current = doomed.back();
            doomed.pop_back();
            for (ItemId child = items.at(current).firstChild; child != 0;
                 child = items.at(child).next) {
                doomed.push_back(child);
            }
            items.erase(current);
        }
        return TRUE;
    }

    HTREEITEM GetNext(WPARAM code, HTREEITEM handle) {
        if (code == TVGN_ROOT) {
            return ToHandle(items.at(kTopLevel).firstChild);
        }
        const TreeViewItem* item = Find(handle, code == TVGN_CHILD);
        if (item == nullptr) {
            return nullptr;
        }
        switch (code) {
        case TVGN_NEXT:
            return ToHandle(item->next);
        case TVGN_PREVIOUS:
            return ToHandle(item->previous);
        case TVGN_PARENT:
            return ToHandle(item->parent);
        case TVGN_CHILD:
            return ToHandle(item->firstChild);
        default:
            return nullptr;
        }
    }

    BOOL GetItem(TVITEMA* request) {
        const TreeViewItem* item = request != nullptr ? Find(request->hItem, false) : nullptr;
        if (item == nullptr) {
            return FALSE;
        }
        if ((request->mask & TVIF_TEXT) != 0 && request->pszText != nullptr &&
            request->cchTextMax > 0) {
            const std::size_t room = static_cast<std::size_t>(request->cchTextMax) - 1;
            const std::size_t length = item->text.size() < room ? item->text.size() : room;
            std::memcpy(request->pszText, item->text.data(), length);
            request->pszText[length] = '\0';
        }
        if ((request->mask & TVIF_PARAM) != 0) {
            request->lParam = item->data;
        }
        return TRUE;
    }

    std::unordered_map<ItemId, TreeViewItem> items;
    ItemId lastId = 0;
};

} // namespace

std::unique_ptr<WindowObject> CreateTreeView(DWORD /*style*/) {
    return std::make_unique<TreeView>();
}

BOOL SetTreeViewInsertFilter(HWND window, TreeViewInsertFilter filter) {
    auto* treeView = dynamic_cast<TreeView*>(FindWindowObject(window));
    if (treeView == nullptr) {
        return FALSE;
    }
    treeView->filter = std::move(filter);
    return TRUE;
}

} // namespace vxcheck
