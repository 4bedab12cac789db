#include "editing/win/CommandTreeView.h"

#include "core/win/TreeView.h"

void FillCommandTree(HWND tree, const std::vector<CommandCategory>& categories) {
    TTreeView view;
    view.Attach(tree);
    for (const CommandCategory& category : categories) {
        const HTREEITEM node = view.Insert(TVI_ROOT, category.name);
        for (const std::string& command : category.commands) view.Insert(node, command);
    }
}

CommandNode NodeOf(HWND tree, HTREEITEM item) {
    if (!item) return {};
    TTreeView view;
    view.Attach(tree);
    return {view.Text(item), view.Parent(item) ? TreeLevel::Command : TreeLevel::Category};
}
