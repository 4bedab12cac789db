// Adding and editing groups and macros in tovedit's editors; the tree, the
// command file and the start-up list follow what the editor stored, also
// when it closed with Cancel.
#include "app/cmdfile/CommandFile.h"
#include "app/cmdfile/win/TovdataStoreAccess.h"
#include "app/win/MainWindow.h"
#include "editing/tovedit.h"
#include "store/tovdata.h"

namespace {
enum NewestKind { kNewestGroup = 0, kNewestMacro = 1 };

std::string NewestItem(NewestKind kind) {
    TItemID id = "";
    getNewestItem(kind, id);
    return std::string(FixedText(id, kItemIDSize));
}

}  // namespace

bool TfrmMain::RunEditor(const std::function<bool()>& editor) {
    if (!receiver_.CloseAllowed) return false;
    CloseHoldOff holdOff(receiver_.CloseAllowed);
    TovdataStoreAccess store;
    const std::string before = AllItemsText(store);
    const bool confirmed = editor();
    if (AllItemsText(store) != before) ItemsChanged();
    return confirmed;
}

void TfrmMain::ItemsChanged() {
    SaveAllItems();
    tree_.Rebuild();
    FillStartupCombo();
}

void TfrmMain::AddGroupCommand() {
    if (!RunEditor([] { return addButtonGroup(); })) return;
    tree_.Select(NewestItem(kNewestGroup));
    LearnIfUnlearnt();
}

void TfrmMain::AddGroupMacroCommand() {
    HTREEITEM group = tree_.ParentGroup(tree_.Selection());
    if (!group) return;
    tree_.Select(group);
    AddMacroCommand(tree_.SelectedID());
}

void TfrmMain::AddMacroCommand(const std::string& groupID) {
    if (!RunEditor([&] { return addMacroInEditor(groupID.c_str()); })) return;
    // The new macro gets its node also in a collapsed group.
    if (TBGroupRecord* group = getBGroup(groupID.c_str())) group->Expanded = 1;
    tree_.Build(groupID);
    tree_.Select(NewestItem(kNewestMacro));
    LearnIfUnlearnt();
}

void TfrmMain::EditItemCommand() {
    const std::string id = tree_.SelectedID();
    if (id.empty()) return;
    if (getBGroup(id.c_str()))
        RunEditor([&] { return editButtonGroup(id.c_str()); });
    else if (getMacro(id.c_str()))
        RunEditor([&] { return editMacro(id.c_str()); });
}
