// The main window's tree of groups and macros over tovdata.dll's store: each
// node carries its record, groups first and by name, a collapsed group's
// macros added once it opens.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/win/TreeView.h"

class TItemTree {
  public:
    void Attach(HWND tree) { view_.Attach(tree); }
    HWND Handle() const { return view_.Handle(); }

    // Hidden macros get nodes only while shown.
    void SetShowHidden(bool show) { showHidden_ = show; }
    bool ShowsHidden() const { return showHidden_; }

    // Adds the nodes that the items lack: of every group, or of groupID's.
    void Build(const std::string& groupID);
    // Every node anew, the selection kept.
    void Rebuild();
    // The selected node's text and picture follow its item.
    void RefreshSelected();
    bool Select(const std::string& id);
    void Select(HTREEITEM node) { view_.Select(node); }
    // Selects the node under the point of the screen, if any.
    void SelectAt(POINT screen);
    HTREEITEM Selection() const { return view_.Selection(); }
    std::string SelectedID() const { return IDOf(view_.Selection()); }
    std::string IDOf(HTREEITEM node) const;
    // A macro's group node, a group's own node; null for a general macro.
    HTREEITEM ParentGroup(HTREEITEM node) const;
    void Delete(HTREEITEM node) { view_.Delete(node); }
    bool Empty() const { return view_.Count() == 0; }

    // The groups' Expanded flags follow the user; an opening group gets its macros.
    void ItemExpanding(const NMTREEVIEWA& view);
    void ItemExpanded(const NMTREEVIEWA& view);

  private:
    HTREEITEM AddNode(HTREEITEM parent, std::string_view name, void* record, int image);
    void Sort();

    TTreeView view_;
    bool showHidden_ = false;
    bool building_ = false;
};
