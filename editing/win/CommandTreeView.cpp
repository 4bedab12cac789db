#include "CommandTreeView.h"

namespace {

HTREEITEM InsertNode(HWND tree, HTREEITEM parent, const std::string& text) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    std::string copy = text;
    insert.item.pszText = copy.data();
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

}  // namespace

void FillCommandTree(HWND tree, const std::vector<CommandCategory>& categories) {
    for (const CommandCategory& category : categories) {
        const HTREEITEM node = InsertNode(tree, TVI_ROOT, category.name);
        for (const std::string& command : category.commands) InsertNode(tree, node, command);
    }
}

CommandNode NodeOf(HWND tree, HTREEITEM item) {
    if (!item) return {};
    char text[64] = "";
    TVITEMA node{};
    node.mask = TVIF_TEXT;
    node.hItem = item;
    node.pszText = text;
    node.cchTextMax = sizeof text;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&node))) return {};
    return {text, TreeView_GetParent(tree, item) ? TreeLevel::Command : TreeLevel::Category};
}
