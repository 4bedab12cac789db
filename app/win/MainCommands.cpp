// The main window's commands: one table for the main menu, the tree's menu,
// the tray menu and the accelerators, which both runs the commands and makes
// them available after the selection; and the controls' own notifications.
#include "app/win/MainWindow.h"
#include "app/win/Splash.h"
#include "app/win/resource.h"
#include "core/Settings.h"
#include "core/win/Controls.h"
#include "core/win/ShowHelp.h"
#include "editing/tovedit.h"
#include "store/tovdata.h"

namespace {
// The caption before the item's shortcut text, which stays.
void SetCaption(HMENU menu, UINT id, const std::string& caption) {
    char text[128] = "";
    if (!GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND)) return;
    const char* tab = std::strchr(text, '\t');
    const std::string full = caption + (tab ? tab : "");
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(full.c_str());
    SetMenuItemInfoA(menu, id, FALSE, &info);
}
}  // namespace

// A shortcut runs its command also while the menu item is unavailable: the
// commands check what they need themselves.
const TfrmMain::Command TfrmMain::kCommands[] = {
    {IDM_ACTIVATE, [](TfrmMain& w) { w.ActivateCommand(); }, nullptr},
    {IDM_SETTINGS,
     [](TfrmMain& w) {
         w.receiver_.ChangeSettings([&] { ChangeSettings(w.Handle()); });
         w.FollowForeground();
     },
     nullptr},
    {IDM_SHOWHIDE, [](TfrmMain& w) { w.ShowOrHideCommand(); }, nullptr},
    {IDM_EXIT, [](TfrmMain& w) { PostMessageA(w.Handle(), WM_CLOSE, 0, 0); }, nullptr},
    {IDM_ADDGROUP, [](TfrmMain& w) { w.AddGroupCommand(); }, nullptr},
    {IDM_ADDGROUPMACRO, [](TfrmMain& w) { w.AddGroupMacroCommand(); }, &MenuState::addGroupMacro},
    {IDM_ADDMACRO, [](TfrmMain& w) { w.AddMacroCommand(""); }, nullptr},
    {IDM_EDITITEM, [](TfrmMain& w) { w.EditItemCommand(); }, &MenuState::edit},
    {IDM_DISABLE, [](TfrmMain& w) { w.ToggleDisabled(); }, &MenuState::disable},
    {IDM_HIDE, [](TfrmMain& w) { w.ToggleHidden(); }, &MenuState::hide},
    {IDM_CUT, [](TfrmMain& w) { w.CopyMacro(true); }, &MenuState::cut},
    {IDM_COPY, [](TfrmMain& w) { w.CopyMacro(false); }, &MenuState::copy},
    {IDM_PASTE, [](TfrmMain& w) { w.PasteMacro(); }, &MenuState::paste},
    {IDM_DELETE, [](TfrmMain& w) { w.DeleteItemCommand(); }, &MenuState::remove},
    {IDM_LEARN,
     [](TfrmMain& w) {
         if (w.receiver_.CloseAllowed) w.LearnItem(false);
     },
     &MenuState::learn},
    {IDM_BATCHLEARN, [](TfrmMain& w) { w.BatchLearn(); }, &MenuState::batchLearn},
    {IDM_SHOWLEARNT, [](TfrmMain& w) { w.ShowLearntCommand(); }, &MenuState::showLearnt},
    {IDM_REMOVELEARN, [](TfrmMain& w) { w.RemoveLearn(); }, &MenuState::removeLearn},
    {IDM_IMPORT, [](TfrmMain& w) { w.LoadItems(true); }, nullptr},
    {IDM_EXPORT, [](TfrmMain& w) { w.ExportSelected(); }, &MenuState::exportItem},
    {IDM_BUTTONPANEL, [](TfrmMain& w) { w.ToggleButtonPanel(); }, nullptr},
    {IDM_MONITOR, [](TfrmMain& w) { w.OpenMonitor(); }, nullptr},
    {IDM_CONTENTS, [](TfrmMain& w) { ShowHelp(w.Handle(), "#Index"); }, nullptr},
    {IDM_HELP, [](TfrmMain& w) { ShowHelp(w.Handle(), "#Mainwindow"); }, nullptr},
    {IDM_ABOUT, [](TfrmMain& w) { ShowAboutBox(w.instance_, w.Handle()); }, nullptr},
};

void TfrmMain::OnCommand(int id, int notification) {
    switch (id) {
        case IDC_MAIN_ACTIVATE:
            // The button gives the menu's command.
            ActivateCommand();
            return;
        case IDC_MAIN_START:
            if (notification == BN_CLICKED) {
                const bool start = Checked(cbStart_);
                WriteStartSetting(start);
                EnableWindow(cmbActions_.Handle(), start);
            }
            return;
        case IDC_MAIN_HIDDEN:
            if (notification == BN_CLICKED) ToggleShowHidden();
            return;
        case IDC_MAIN_ACTIONS:
            if (notification == CBN_SELCHANGE) {
                const int index = cmbActions_.SelectedIndex();
                WriteSetting(setting::Action, index <= 0 ? 0 : cmbActions_.Value(index));
            }
            return;
    }
    for (const Command& command : kCommands)
        if (command.id == static_cast<UINT>(id)) return command.run(*this);
}

void TfrmMain::UpdateMenus() {
    MenuSelection selection;
    selection.hasNodes = !tree_.Empty();
    selection.anySelected = tree_.Selection() != nullptr;
    selection.clipboardHoldsMacro = !FieldText(clipboard_.ID).empty();
    const std::string id = tree_.SelectedID();
    TMacroRecord* macro = nullptr;
    TBGroupRecord* group = nullptr;
    if (!id.empty()) getBGroupOrMacro(id.c_str(), &macro, &group);
    selection.macro = macro;
    selection.group = group;
    const MenuState state = ComputeMenuState(selection);

    for (HMENU menu : {mainMenu_, GetSubMenu(popupMenu_.get(), 0)}) {
        for (const Command& command : kCommands)
            if (command.available)
                EnableMenuItem(menu, command.id,
                               MF_BYCOMMAND | (state.*command.available ? MF_ENABLED : MF_GRAYED));
        SetCaption(menu, IDM_DISABLE, state.disableCaption);
        if (macro) SetCaption(menu, IDM_HIDE, state.hideCaption);
    }
    DrawMenuBar(Handle());
}

void TfrmMain::ActivateCommand() {
    // The learn dialog has the driver: the tray menu, which it does not
    // block, must not switch the receiver meanwhile.
    if (receiver_.Learning()) return;
    SetReceiverActive(true, ControlText(btnActivate_) == "&Activate", true);
}

void TfrmMain::ShowOrHideCommand() {
    if (IsWindowVisible(Handle()))
        HideToTray();
    else
        ShowFromTray();
}
