// A tree-view control whose nodes carry one pointer-sized value each: the
// wrapper the program's trees share for adding, finding and reading nodes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

class TTreeView {
  public:
    void Attach(HWND tree) { tree_ = tree; }
    HWND Handle() const { return tree_; }

    // Added as the last child of parent (TVI_ROOT for the top); image -1: none.
    HTREEITEM Insert(HTREEITEM parent, const std::string& text, LPARAM data = 0, int image = -1);
    // The first node among first and its following siblings that carries data.
    HTREEITEM FindSibling(HTREEITEM first, LPARAM data) const;
    LPARAM Data(HTREEITEM node) const;
    // Up to 255 characters of the node's text.
    std::string Text(HTREEITEM node) const;
    void SetText(HTREEITEM node, const std::string& text, int image);

    HTREEITEM Root() const { return TreeView_GetRoot(tree_); }
    HTREEITEM Parent(HTREEITEM node) const { return TreeView_GetParent(tree_, node); }
    HTREEITEM Child(HTREEITEM node) const { return TreeView_GetChild(tree_, node); }
    HTREEITEM NextSibling(HTREEITEM node) const { return TreeView_GetNextSibling(tree_, node); }
    HTREEITEM Selection() const { return TreeView_GetSelection(tree_); }
    void Select(HTREEITEM node) { TreeView_SelectItem(tree_, node); }
    int Count() const { return static_cast<int>(TreeView_GetCount(tree_)); }
    void Delete(HTREEITEM node) { TreeView_DeleteItem(tree_, node); }
    void Clear() { TreeView_DeleteAllItems(tree_); }

  private:
    HWND tree_ = nullptr;
};
