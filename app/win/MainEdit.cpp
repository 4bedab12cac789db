// Adding and editing groups and macros in tovedit's editors; the tree, the
// command file and the start-up list follow what the editor stored, also
// when it closed with Cancel.
#include "CommandFile.h"
#include "MainWindow.h"
#include "TovdataStoreAccess.h"
#include "tovdata.h"
#include "tovedit.h"

namespace {
enum NewestKind { kNewestGroup = 0, kNewestMacro = 1 };

std::string NewestItem(NewestKind kind) {
    TItemID id = "";
    getNewestItem(kind, id);
    return std::string(FixedText(id, kItemIDSize));
}

}  // namespace

bool TfrmMain::RunEditor(const std::function<bool()>& editor) {
    if (!CloseAllowed) return false;
    CloseAllowed = false;
    TovdataStoreAccess store;
    const std::string before = AllItemsText(store);
    const bool confirmed = editor();
    if (AllItemsText(store) != before) ItemsChanged();
    CloseAllowed = true;
    return confirmed;
}

void TfrmMain::ItemsChanged() {
    SaveAllItems();
    RebuildTree();
    FillStartupCombo();
}

void TfrmMain::AddGroupCommand() {
    if (!RunEditor([] { return addButtonGroup(); })) return;
    SelectItem(NewestItem(kNewestGroup));
    LearnIfUnlearnt();
}

void TfrmMain::AddGroupMacroCommand() {
    HTREEITEM group = ParentGroupNode(TreeView_GetSelection(outActions_));
    if (!group) return;
    TreeView_SelectItem(outActions_, group);
    AddMacroCommand(SelectedID());
}

void TfrmMain::AddMacroCommand(const std::string& groupID) {
    if (!RunEditor([&] { return addMacroInEditor(groupID.c_str()); })) return;
    // The new macro gets its node also in a collapsed group.
    if (TBGroupRecord* group = getBGroup(groupID.c_str())) group->Expanded = 1;
    BuildTree(groupID);
    SelectItem(NewestItem(kNewestMacro));
    LearnIfUnlearnt();
}

void TfrmMain::EditItemCommand() {
    const std::string id = SelectedID();
    if (id.empty()) return;
    if (getBGroup(id.c_str()))
        RunEditor([&] { return editButtonGroup(id.c_str()); });
    else if (getMacro(id.c_str()))
        RunEditor([&] { return editMacro(id.c_str()); });
}
