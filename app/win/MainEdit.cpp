// Adding and editing groups and macros in tovedit's editors; the tree, the
// command file and the start-up list follow what the editor stored.
#include <functional>

#include "MainWindow.h"
#include "tovdata.h"
#include "tovedit.h"

namespace {
enum NewestKind { kNewestGroup = 0, kNewestMacro = 1 };

std::string NewestItem(NewestKind kind) {
    TItemID id = "";
    getNewestItem(kind, id);
    return std::string(FixedText(id, kItemIDSize));
}

// Runs an editor with closing held off: the tray menu, which a modal dialog
// does not block, must not end Tovanix under it. Nothing while another
// dialog of the main window runs.
bool RunEditor(bool& closeAllowed, const std::function<bool()>& editor) {
    if (!closeAllowed) return false;
    closeAllowed = false;
    const bool saved = editor();
    closeAllowed = true;
    return saved;
}
}  // namespace

void TfrmMain::AddGroupCommand() {
    if (!RunEditor(CloseAllowed, [] { return addButtonGroup(); })) return;
    const std::string id = NewestItem(kNewestGroup);
    SaveAllItems();
    BuildTree("");
    SelectItem(id);
    LearnIfUnlearnt();
}

void TfrmMain::AddGroupMacroCommand() {
    HTREEITEM group = ParentGroupNode(TreeView_GetSelection(outActions_));
    if (!group) return;
    TreeView_SelectItem(outActions_, group);
    AddMacroCommand(SelectedID());
}

void TfrmMain::AddMacroCommand(const std::string& groupID) {
    if (!RunEditor(CloseAllowed, [&] { return addMacroInEditor(groupID.c_str()); })) return;
    const std::string id = NewestItem(kNewestMacro);
    // The new macro gets its node also in a collapsed group.
    if (TBGroupRecord* group = getBGroup(groupID.c_str())) group->Expanded = 1;
    BuildTree("");
    SaveAllItems();
    SelectItem(id);
    LearnIfUnlearnt();
    if (groupID.empty()) FillStartupCombo();
}

void TfrmMain::EditItemCommand() {
    const std::string id = SelectedID();
    if (id.empty()) return;
    if (getBGroup(id.c_str())) {
        if (!RunEditor(CloseAllowed, [&] { return editButtonGroup(id.c_str()); })) return;
        SaveAllItems();
        BuildTree("");
        RefreshGroupNodes(id);
        return;
    }
    TMacroRecord* macro = getMacro(id.c_str());
    if (!macro) return;
    const bool general = FieldText(macro->AppID).empty();
    if (!RunEditor(CloseAllowed, [&] { return editMacro(id.c_str()); })) return;
    SaveAllItems();
    RefreshNode();
    SortTree();
    ToggleHidden(false);
    if (general) FillStartupCombo();
}
