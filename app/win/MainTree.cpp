// The tree of groups and macros and the commands that change items.
#include <windowsx.h>

#include "MainWindow.h"
#include "MenuState.h"
#include "Settings.h"
#include "TreeRules.h"
#include "resource.h"
#include "tovdata.h"

namespace {
const char* IDOf(LPARAM data) { return reinterpret_cast<const char*>(data); }

LPARAM NodeData(HWND tree, HTREEITEM node) {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    return TreeView_GetItem(tree, &item) ? item.lParam : 0;
}

int CALLBACK CompareByKindAndName(LPARAM first, LPARAM second, LPARAM) {
    // Both records begin with their ID; names sit at different offsets.
    auto name = [](LPARAM data) -> std::string_view {
        if (NodeKind(IDOf(data)) == 'A') return FieldText(reinterpret_cast<const TBGroupRecord*>(data)->Name);
        return FieldText(reinterpret_cast<const TMacroRecord*>(data)->Name);
    };
    return CompareNodes(NodeKind(IDOf(first)), name(first), NodeKind(IDOf(second)), name(second));
}

// The name of a group or macro as the tree shows it.
std::string ItemName(const char* id) {
    if (TBGroupRecord* group = getBGroup(id)) return std::string(FieldText(group->Name));
    if (TMacroRecord* macro = getMacro(id)) return std::string(FieldText(macro->Name));
    return id;
}

void SetItemText(HMENU menu, UINT id, const std::string& text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    SetMenuItemInfoA(menu, id, FALSE, &info);
}

void Enable(HMENU menu, UINT id, bool enabled) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}
}  // namespace

LRESULT TfrmMain::OnTreeNotify(NMHDR* header) {
    switch (header->code) {
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW:
            UpdateMenus();
            return 0;
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW: {
            // The macros are added while the node is still collapsed: adding
            // thousands of nodes to an open branch would redo its layout
            // for every one of them.
            auto* view = reinterpret_cast<NMTREEVIEWA*>(header);
            TBGroupRecord* group = getBGroup(IDOf(view->itemNew.lParam));
            if (group && (view->action & TVE_EXPAND)) {
                group->Expanded = 1;
                TItemID id;
                CopyItemID(id, group->ID);
                BuildTree(id);
            }
            return 0;
        }
        case TVN_ITEMEXPANDEDA:
        case TVN_ITEMEXPANDEDW: {
            auto* view = reinterpret_cast<NMTREEVIEWA*>(header);
            TBGroupRecord* group = getBGroup(IDOf(view->itemNew.lParam));
            if (group && (view->action & TVE_COLLAPSE)) group->Expanded = 0;
            return 0;
        }
        case NM_DBLCLK:
            // A group opens and closes as usual; a macro opens its editor.
            if (getMacro(SelectedID().c_str())) {
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

HTREEITEM TfrmMain::AddNode(HTREEITEM parent, const char* name, void* record, int image) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(name);
    insert.item.lParam = reinterpret_cast<LPARAM>(record);
    insert.item.iImage = insert.item.iSelectedImage = image;
    return TreeView_InsertItem(outActions_, &insert);
}

HTREEITEM TfrmMain::FindNode(HTREEITEM first, const void* record) const {
    for (HTREEITEM node = first; node; node = TreeView_GetNextSibling(outActions_, node))
        if (NodeData(outActions_, node) == reinterpret_cast<LPARAM>(record)) return node;
    return nullptr;
}

void TfrmMain::BuildTree(const std::string& groupID) {
    if (building_) return;
    building_ = true;
    HCURSOR previousCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    SendMessageA(outActions_, WM_SETREDRAW, FALSE, 0);
    const std::string selectedID = SelectedID();
    HTREEITEM toSelect = nullptr;
    const bool showHidden = Button_GetCheck(cbHidden_) == BST_CHECKED;

    auto addMacros = [&](HTREEITEM parent, const char* appID, bool oneChildOnly) {
        int position = -1;
        while (TMacroRecord* macro = getNextMacro(&position, appID, false)) {
            // A collapsed group needs one child for its expand button; the
            // rest follows when it is expanded, however often it is built.
            if (oneChildOnly && TreeView_GetChild(outActions_, parent)) break;
            if ((!showHidden && macro->Hidden) || macro->InTree) continue;
            HTREEITEM node =
                AddNode(parent, std::string(FieldText(macro->Name)).c_str(), macro, NodeImage(*macro));
            macro->InTree = 1;
            if (FieldText(macro->ID) == selectedID) toSelect = node;
        }
    };

    int position = -1;
    while (TBGroupRecord* group = getNextBGroup(&position)) {
        if (!groupID.empty() && FieldText(group->ID) != groupID) continue;
        HTREEITEM node;
        if (group->InTree) {
            node = FindNode(TreeView_GetRoot(outActions_), group);
        } else {
            node = AddNode(TVI_ROOT, std::string(FieldText(group->Name)).c_str(), group, NodeImage(*group));
            group->InTree = 1;
            if (FieldText(group->ID) == selectedID) toSelect = node;
        }
        if (!node) continue;
        TItemID id;
        CopyItemID(id, group->ID);
        addMacros(node, id, !group->Expanded);
        if (group->Expanded) TreeView_Expand(outActions_, node, TVE_EXPAND);
    }
    if (groupID.empty()) addMacros(TVI_ROOT, "", false);

    SortTree();
    SendMessageA(outActions_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(outActions_, nullptr, TRUE);
    if (toSelect) TreeView_SelectItem(outActions_, toSelect);
    building_ = false;
    SetCursor(previousCursor);
}

void TfrmMain::RebuildTree() {
    const std::string selectedID = SelectedID();
    SendMessageA(outActions_, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(outActions_);
    int position = -1;
    while (TBGroupRecord* group = getNextBGroup(&position)) group->InTree = 0;
    position = -1;
    while (TMacroRecord* macro = getNextMacro(&position, "", true)) macro->InTree = 0;
    BuildTree("");
    SelectItem(selectedID);
}

void TfrmMain::SortTree() {
    TVSORTCB sort{};
    sort.lpfnCompare = CompareByKindAndName;
    sort.hParent = TVI_ROOT;
    TreeView_SortChildrenCB(outActions_, &sort, FALSE);
    for (HTREEITEM node = TreeView_GetRoot(outActions_); node;
         node = TreeView_GetNextSibling(outActions_, node)) {
        sort.hParent = node;
        TreeView_SortChildrenCB(outActions_, &sort, FALSE);
    }
}

void TfrmMain::RefreshNode() {
    if (HTREEITEM node = TreeView_GetSelection(outActions_)) RefreshNodeText(node);
}

void TfrmMain::RefreshNodeText(HTREEITEM node) {
    const char* id = IDOf(NodeData(outActions_, node));
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = node;
    std::string name;
    if (TBGroupRecord* group = getBGroup(id)) {
        name = std::string(FieldText(group->Name));
        item.iImage = NodeImage(*group);
    } else if (TMacroRecord* macro = getMacro(id)) {
        name = std::string(FieldText(macro->Name));
        item.iImage = NodeImage(*macro);
    } else {
        return;
    }
    item.iSelectedImage = item.iImage;
    item.pszText = const_cast<char*>(name.c_str());
    TreeView_SetItem(outActions_, &item);
    InvalidateRect(outActions_, nullptr, TRUE);
}

bool TfrmMain::SelectItem(const std::string& id) {
    if (id.empty()) return false;
    for (HTREEITEM node = TreeView_GetRoot(outActions_); node;
         node = TreeView_GetNextSibling(outActions_, node)) {
        for (HTREEITEM candidate = node; candidate;
             candidate = candidate == node ? TreeView_GetChild(outActions_, node)
                                           : TreeView_GetNextSibling(outActions_, candidate)) {
            const char* nodeID = IDOf(NodeData(outActions_, candidate));
            if (nodeID && FixedText(nodeID, kItemIDSize) == id) {
                TreeView_SelectItem(outActions_, candidate);
                return true;
            }
        }
    }
    return false;
}

std::string TfrmMain::SelectedID() const {
    HTREEITEM node = TreeView_GetSelection(outActions_);
    const char* id = node ? IDOf(NodeData(outActions_, node)) : nullptr;
    return std::string(FixedText(id, kItemIDSize));
}

HTREEITEM TfrmMain::ParentGroupNode(HTREEITEM node) const {
    if (!node) return nullptr;
    if (HTREEITEM parent = TreeView_GetParent(outActions_, node)) return parent;
    return NodeKind(IDOf(NodeData(outActions_, node))) == 'A' ? node : nullptr;
}

void TfrmMain::UpdateMenus() {
    MenuSelection selection;
    selection.hasNodes = TreeView_GetCount(outActions_) > 0;
    selection.anySelected = TreeView_GetSelection(outActions_) != nullptr;
    selection.clipboardHoldsMacro = !FieldText(clipboard_.ID).empty();
    const std::string id = SelectedID();
    TMacroRecord* macro = nullptr;
    TBGroupRecord* group = nullptr;
    if (!id.empty()) getBGroupOrMacro(id.c_str(), &macro, &group);
    selection.macro = macro;
    selection.group = group;
    const MenuState state = ComputeMenuState(selection);

    HMENU popup = GetSubMenu(popupMenu_, 0);
    Enable(mainMenu_, IDM_DISABLE, state.disable);
    Enable(popup, IDM_POPUP_DISABLE, state.disable);
    SetItemText(mainMenu_, IDM_DISABLE, state.disableCaption + "\tCtrl+T");
    SetItemText(popup, IDM_POPUP_DISABLE, state.disableCaption);
    Enable(mainMenu_, IDM_HIDE, state.hide);
    Enable(popup, IDM_POPUP_HIDE, state.hide);
    if (macro) {
        SetItemText(mainMenu_, IDM_HIDE, state.hideCaption);
        SetItemText(popup, IDM_POPUP_HIDE, state.hideCaption);
    }
    Enable(mainMenu_, IDM_CUT, state.cut);
    Enable(mainMenu_, IDM_COPY, state.copy);
    Enable(mainMenu_, IDM_PASTE, state.paste);
    Enable(mainMenu_, IDM_DELETE, state.remove);
    Enable(mainMenu_, IDM_ADDGROUPMACRO, state.addGroupMacro);
    Enable(popup, IDM_POPUP_ADDGROUPMACRO, state.addGroupMacro);
    Enable(mainMenu_, IDM_EDITITEM, state.edit);
    Enable(popup, IDM_POPUP_EDITITEM, state.edit);
    Enable(mainMenu_, IDM_LEARN, state.learn);
    Enable(popup, IDM_POPUP_LEARN, state.learn);
    Enable(mainMenu_, IDM_BATCHLEARN, state.batchLearn);
    Enable(popup, IDM_POPUP_BATCHLEARN, state.batchLearn);
    Enable(mainMenu_, IDM_SHOWLEARNT, state.showLearnt);
    Enable(popup, IDM_POPUP_SHOWLEARNT, state.showLearnt);
    Enable(mainMenu_, IDM_REMOVELEARN, state.removeLearn);
    Enable(popup, IDM_POPUP_REMOVELEARN, state.removeLearn);
    Enable(mainMenu_, IDM_EXPORT, state.exportItem);
    DrawMenuBar(Handle());
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
    const std::string id = SelectedID();
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
    RefreshNode();
    UpdateMenus();
    SaveAllItems();
}

void TfrmMain::ToggleHidden(bool toggle) {
    TMacroRecord* macro = getMacro(SelectedID().c_str());
    if (!macro) return;
    if (toggle) macro->Hidden = macro->Hidden ? 0 : 1;
    if (macro->Hidden && Button_GetCheck(cbHidden_) != BST_CHECKED) {
        TreeView_DeleteItem(outActions_, TreeView_GetSelection(outActions_));
        macro->InTree = 0;
    }
    RefreshNode();
    UpdateMenus();
}

void TfrmMain::ToggleShowHidden() {
    BuildTree("");
    WriteSetting(setting::ShowHidden, Button_GetCheck(cbHidden_) == BST_CHECKED ? 1 : 0);
}

void TfrmMain::DeleteItemCommand() {
    const std::string id = SelectedID();
    if (!id.empty()) {
        const bool confirmed =
            !doesBGroupHaveChild(id.c_str()) ||
            MessageBoxA(Handle(), "Are you sure you want to remove the button group and all it's macros?",
                        "Delete BGroup", MB_YESNO | MB_ICONQUESTION) == IDYES;
        if (confirmed) {
            HTREEITEM node = TreeView_GetSelection(outActions_);
            deleteItem(id.c_str());
            SaveAllItems();
            TreeView_DeleteItem(outActions_, node);
            FillStartupCombo();
        }
    }
    UpdateMenus();
}

void TfrmMain::CopyMacro(bool cut) {
    TMacroRecord* macro = getMacro(SelectedID().c_str());
    if (!macro) return;
    clipboard_ = *macro;
    UpdateMenus();
    if (cut) DeleteItemCommand();
}

void TfrmMain::PasteMacro() {
    HTREEITEM selected = TreeView_GetSelection(outActions_);
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
    if (HTREEITEM group = ParentGroupNode(selected))
        CopyText(record.AppID, IDOf(NodeData(outActions_, group)));
    if (!addMacro(&record)) return;
    TMacroRecord* stored = getMacro(id.c_str());
    if (stored && !checkIRCommandConflict(id.c_str(), stored->IRCommand, false))
        CopyText(stored->IRCommand, "");
    BuildTree("");
    SelectItem(id);
    SaveAllItems();
}

void TfrmMain::ShowTreeMenu() {
    POINT cursor;
    GetCursorPos(&cursor);
    TVHITTESTINFO hit{};
    hit.pt = cursor;
    ScreenToClient(outActions_, &hit.pt);
    if (HTREEITEM node = TreeView_HitTest(outActions_, &hit)) TreeView_SelectItem(outActions_, node);
    UpdateMenus();
    TrackPopupMenu(GetSubMenu(popupMenu_, 0), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
}
