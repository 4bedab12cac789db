// The tree's notifications and the commands that change items.
#include "app/win/MainWindow.h"
#include "core/Settings.h"
#include "core/win/Controls.h"
#include "store/tovdata.h"

namespace {
// The name of a group or macro as the tree shows it.
std::string ItemName(const char* id) {
    if (TBGroupRecord* group = getBGroup(id)) return std::string(FieldText(group->Name));
    if (TMacroRecord* macro = getMacro(id)) return std::string(FieldText(macro->Name));
    return id;
}
}  // namespace

LRESULT TfrmMain::OnTreeNotify(NMHDR* header) {
    switch (header->code) {
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW:
            UpdateMenus();
            return 0;
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW:
            tree_.ItemExpanding(*reinterpret_cast<NMTREEVIEWA*>(header));
            return 0;
        case TVN_ITEMEXPANDEDA:
        case TVN_ITEMEXPANDEDW:
            tree_.ItemExpanded(*reinterpret_cast<NMTREEVIEWA*>(header));
            return 0;
        case NM_DBLCLK:
            // A group opens and closes as usual; a macro opens its editor.
            if (getMacro(tree_.SelectedID().c_str())) {
                EditItemCommand();
                return 1;
            }
            return 0;
        case NM_RCLICK:
            ShowTreeMenu();
            return 1;
    }
    return 0;
}

void TfrmMain::FillStartupCombo() {
    cmbActions_.Clear();
    const int action = ReadSetting(setting::Action);
    cmbActions_.AddItem("", 0);
    int position = -1;
    while (TMacroRecord* macro = getNextMacro(&position, "", false)) {
        const int number = std::atoi(std::string(FieldText(macro->ID)).c_str() + 1);
        const int index = cmbActions_.AddItem(std::string(FieldText(macro->Name)), number);
        if (number == action) cmbActions_.Select(index);
    }
}

void TfrmMain::ToggleDisabled() {
    const std::string id = tree_.SelectedID();
    if (id.empty()) return;
    if (!toggleDisableEnable(id.c_str())) {
        TItemID holder = "";
        findEnableClash(id.c_str(), holder);
        const std::string text = "\"" + ItemName(id.c_str()) +
                                 "\" cannot be enabled: its remote button is used by \"" + ItemName(holder) +
                                 "\". Learn another button for one of them first.";
        MessageBoxA(Handle(), text.c_str(), "Enable item", MB_OK | MB_ICONINFORMATION);
        return;
    }
    tree_.RefreshSelected();
    UpdateMenus();
    SaveAllItems();
}

void TfrmMain::ToggleHidden() {
    TMacroRecord* macro = getMacro(tree_.SelectedID().c_str());
    if (!macro) return;
    macro->Hidden = macro->Hidden ? 0 : 1;
    if (macro->Hidden && !tree_.ShowsHidden()) {
        tree_.Delete(tree_.Selection());
        macro->InTree = 0;
    }
    tree_.RefreshSelected();
    UpdateMenus();
}

void TfrmMain::ToggleShowHidden() {
    const bool show = Checked(cbHidden_);
    tree_.SetShowHidden(show);
    tree_.Build("");
    WriteSetting(setting::ShowHidden, show ? 1 : 0);
}

void TfrmMain::DeleteItemCommand() {
    const std::string id = tree_.SelectedID();
    if (!id.empty()) {
        const bool confirmed =
            !doesBGroupHaveChild(id.c_str()) ||
            MessageBoxA(Handle(), "Are you sure you want to remove the button group and all it's macros?",
                        "Delete BGroup", MB_YESNO | MB_ICONQUESTION) == IDYES;
        if (confirmed) {
            HTREEITEM node = tree_.Selection();
            deleteItem(id.c_str());
            SaveAllItems();
            tree_.Delete(node);
            FillStartupCombo();
        }
    }
    UpdateMenus();
}

void TfrmMain::CopyMacro(bool cut) {
    TMacroRecord* macro = getMacro(tree_.SelectedID().c_str());
    if (!macro) return;
    clipboard_ = *macro;
    UpdateMenus();
    if (cut) DeleteItemCommand();
}

void TfrmMain::PasteMacro() {
    HTREEITEM selected = tree_.Selection();
    if (!selected || FieldText(clipboard_.ID).empty()) return;
    TMacroRecord record = FreshMacroRecord();
    CopyText(record.Commands, FieldText(clipboard_.Commands));
    CopyText(record.Name, FieldText(clipboard_.Name));
    CopyText(record.IRCommand, FieldText(clipboard_.IRCommand));
    CopyText(record.TargetFile, FieldText(clipboard_.TargetFile));
    CopyText(record.TargetCaption, FieldText(clipboard_.TargetCaption));
    record.Disabled = clipboard_.Disabled ? 1 : 0;
    record.LeaveWindow = clipboard_.LeaveWindow ? 1 : 0;
    record.DontFocus = clipboard_.DontFocus ? 1 : 0;
    const std::string id = getNewMacroID();
    CopyText(record.ID, id);
    if (HTREEITEM group = tree_.ParentGroup(selected)) CopyText(record.AppID, tree_.IDOf(group));
    if (!addMacro(&record)) return;
    TMacroRecord* stored = getMacro(id.c_str());
    if (stored && !checkIRCommandConflict(id.c_str(), stored->IRCommand, false))
        CopyText(stored->IRCommand, "");
    tree_.Build("");
    tree_.Select(id);
    SaveAllItems();
}

void TfrmMain::ShowTreeMenu() {
    POINT cursor;
    GetCursorPos(&cursor);
    tree_.SelectAt(cursor);
    UpdateMenus();
    TrackPopupMenu(GetSubMenu(popupMenu_.get(), 0), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(),
                   nullptr);
}
