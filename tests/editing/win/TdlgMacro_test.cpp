// The macro editor as the user meets it: the test picks commands in the
// real tree, answers the parameter dialogs and the media-key plug-in's own
// dialog, and checks what the editor wrote into tovdata's store and into
// the settings.
#include "editing/win/TdlgMacro.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "editing/MacroModel.h"
#include "editing/win/TdlgCustKeyRes.h"
#include "editing/win/TdlgLaunchAppRes.h"
#include "editing/win/TdlgMacroRes.h"
#include "editing/win/TdlgPauseRes.h"
#include "editing/win/TovdataEditStore.h"
#include "plugins/mediakeys/win/TdlgMediaKeyRes.h"
#include "store/tovdata.h"
#include "tests/editing/win/DialogTestSteps.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/StoreReset.h"
#include "tests/support/StoreTestItems.h"
#include "tests/support/WinTestSupport.h"

namespace {

using steps::AnswerMessage;
using steps::ExpectChecked;
using steps::ExpectEnabled;
using steps::ExpectText;

// Runs the step in the dialog that the editor has opened (a parameter
// dialog, the plug-in's dialog); waits for it to show.
Step InOwned(Step step) {
    return steps::Await("a dialog of the editor", [=](HWND editor) {
        const HWND owned = OwnedDialog(editor);
        return owned && step(owned);
    });
}

// The node of the command under the category; the category itself when
// command is empty.
HTREEITEM Node(HWND dialog, const std::string& category, const std::string& command) {
    const HWND tree = GetDlgItem(dialog, IDC_MACRO_TVCMDS);
    const HTREEITEM node = FindTreeNode(tree, TVI_ROOT, category);
    EXPECT_TRUE(node) << category;
    if (!node || command.empty()) return node;
    const HTREEITEM child = FindTreeNode(tree, node, command);
    EXPECT_TRUE(child) << command;
    return child;
}

Step SelectNode(std::string category, std::string command = "") {
    return [=](HWND dialog) {
        TreeView_SelectItem(GetDlgItem(dialog, IDC_MACRO_TVCMDS), Node(dialog, category, command));
        return true;
    };
}

// A double-click on the node's text.
Step DoubleClickNode(std::string category, std::string command = "") {
    return [=](HWND dialog) {
        const HWND tree = GetDlgItem(dialog, IDC_MACRO_TVCMDS);
        HTREEITEM node = Node(dialog, category, command);
        TreeView_SelectItem(tree, node);
        TreeView_EnsureVisible(tree, node);
        RECT rect{};
        TreeView_GetItemRect(tree, node, &rect, TRUE);
        const LPARAM point = MAKELPARAM(rect.left + 2, (rect.top + rect.bottom) / 2);
        PostMessageA(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        return PostMessageA(tree, WM_LBUTTONUP, 0, point) != 0;
    };
}

// A point in the middle of the list's row.
LPARAM RowPoint(HWND list, int row) {
    RECT rect{};
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return MAKELPARAM(rect.left + 4, (rect.top + rect.bottom) / 2);
}

// The mouse messages of one click, or of a double-click, on the row.
Step ClickRow(int row, bool twice = false) {
    return [=](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_MACRO_LBMACRO);
        const LPARAM point = RowPoint(list, row);
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageA(list, WM_LBUTTONUP, 0, point);
        if (twice) {
            PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
            PostMessageA(list, WM_LBUTTONUP, 0, point);
        }
        return true;
    };
}
Step DoubleClickRow(int row) { return ClickRow(row, true); }

std::string Rows(HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_MACRO_LBMACRO);
    std::string rows;
    char row[256] = "";
    for (LRESULT i = 0; SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row)) >= 0; ++i)
        rows += std::string(row) + "|";
    return rows;
}
Step ExpectRows(std::string rows) {
    return Check([=](HWND dialog) { EXPECT_EQ(Rows(dialog), rows); });
}

// The list's tooltip after the mouse moved over the row (-1: below the
// rows). The tooltip hands back at most 79 characters of it.
std::string HintOver(HWND dialog, int row) {
    const HWND list = GetDlgItem(dialog, IDC_MACRO_LBMACRO);
    RECT client{};
    GetClientRect(list, &client);
    SendMessageA(list, WM_MOUSEMOVE, 0, row >= 0 ? RowPoint(list, row) : MAKELPARAM(4, client.bottom - 2));
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            char className[32] = "";
            GetClassNameA(window, className, sizeof className);
            if (std::string(className) != TOOLTIPS_CLASSA) return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    char text[512] = "";
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    tool.lpszText = text;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}
Step ExpectHint(int row, std::string hint) {
    return Check([=](HWND dialog) { EXPECT_EQ(HintOver(dialog, row), hint) << "row " << row; });
}

// Closes what the editor opened, innermost first: message boxes with OK,
// dialogs with Cancel; done when nothing is left open.
Step CloseOwnedDialogs() {
    return [](HWND editor) {
        HWND innermost = OwnedDialog(editor);
        if (!innermost) return true;
        while (HWND owned = OwnedDialog(innermost)) innermost = owned;
        const bool messageBox = GetDlgItem(innermost, 0xFFFF) != nullptr;
        PostMessageA(innermost, WM_COMMAND, messageBox ? IDOK : IDCANCEL, 0);
        return false;
    };
}

// The close box of the window's frame.
const Step closeBox = [](HWND dialog) { return PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != 0; };

int MacroCount() {
    int count = 0;
    for (int position = -1; getNextMacro(&position, "", true);) ++count;
    int group = -1;
    while (const TBGroupRecord* record = getNextBGroup(&group))
        for (int position = -1; getNextMacro(&position, record->ID, true);) ++count;
    return count;
}

// The editor runs in a folder of its own, which holds the media-key
// plug-in, the same library under a process-name library's name and a file
// that is no library at all.
class MacroDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string plugin = TestProgramFolder() + "mediakeys.dll";
        ASSERT_TRUE(CopyFileA(plugin.c_str(), (folder_.path() + "mediakeys.dll").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(plugin.c_str(), (folder_.path() + "RXNT.DLL").c_str(), FALSE));
        WriteWholeFile(folder_.path() + "broken.dll", "not a library");
        GetCurrentDirectoryA(MAX_PATH, previousFolder_);
        SetCurrentDirectoryA(folder_.path().c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryA(previousFolder_);
        DeleteAllItems();
    }

    // Runs the editor with the steps; every step must have run.
    std::string Add(const char* groupID, const std::vector<Step>& steps) {
        DialogScript script(steps);
        const std::string id = newMacro(nullptr, store_, groupID);
        EXPECT_EQ(script.done(), steps.size());
        return id;
    }
    bool Edit(const char* macroID, const std::vector<Step>& steps) {
        DialogScript script(steps);
        const bool accepted = editMacro(nullptr, store_, macroID);
        EXPECT_EQ(script.done(), steps.size());
        return accepted;
    }

    TempFolder folder_;
    char previousFolder_[MAX_PATH] = "";
    TovdataEditStore store_;
    // The editor writes the plug-ins it found.
    SettingOverride plugins_{setting::Plugins, "Old plug-in:OLD.DLL"};
    SettingOverride osd_{setting::OSD, 1};
};

// "Custom key/text...": what is typed into the key dialog.
std::vector<Step> CustomKey(int edit, const std::string& text) {
    return {SelectNode("Keys", kCustomKeyCommand), Click(IDC_MACRO_BTNADD), InOwned(Type(edit, text)),
            InOwned(ok)};
}

TEST_F(MacroDialog, BuildsAMacroFromEveryKindOfCommand) {
    const std::vector<Step> steps = {
        Check([](HWND dialog) { EXPECT_EQ(WindowText(dialog), "Add general macro"); }),
        ExpectChecked(IDC_MACRO_RBCURRENT, true), ExpectEnabled(IDC_MACRO_TXTTARGETAPP, false),
        ExpectChecked(IDC_MACRO_CBOSD, true), ExpectChecked(IDC_MACRO_RBEXECNORMAL, true),
        ExpectEnabled(IDC_MACRO_BTNADD, false), ExpectEnabled(IDC_MACRO_BTNLEARN, true),
        steps::ExpectLimit(IDC_MACRO_TXTNAME, 30), Type(IDC_MACRO_TXTNAME, "Player, start"),
        // A key with two modifiers, which are unticked again afterwards.
        SelectNode("Keys", "HOME"), Click(IDC_MACRO_CBCTRL), Click(IDC_MACRO_CBALT),
        ExpectEnabled(IDC_MACRO_CBSHIFT, false), Click(IDC_MACRO_BTNADD),
        ExpectChecked(IDC_MACRO_CBCTRL, false), ExpectEnabled(IDC_MACRO_CBSHIFT, true)};
    const std::vector<Step> commands = {
        // A pause by a double-click on its node.
        DoubleClickNode("Utilities", "Pause..."), InOwned(Type(IDC_PAUSE_TXTPAUSE, "250")), InOwned(ok),
        SelectNode("Files", "Launch file..."), Click(IDC_MACRO_BTNADD),
        InOwned(Type(IDC_LAUNCHAPP_TXTFILENAME, "C:\\Apps\\player.exe")),
        InOwned(Type(IDC_LAUNCHAPP_TXTPARAM, "/min")), InOwned(ok),
        // A comma would split the stored list: refused, nothing added.
        Click(IDC_MACRO_BTNADD), InOwned(Type(IDC_LAUNCHAPP_TXTFILENAME, "a.exe")),
        InOwned(Type(IDC_LAUNCHAPP_TXTPARAM, "a,b")), InOwned(ok),
        AnswerMessage(kCommaInCommand.text, kCommaInCommand.caption),
        // The plug-in's own dialog chooses its command; no modifiers for it.
        SelectNode(kCustomCommandsCategory, "Media keys"), ExpectEnabled(IDC_MACRO_CBCTRL, false),
        Click(IDC_MACRO_BTNADD), InOwned([](HWND keys) {
            return SendDlgItemMessageA(keys, IDC_MEDIAKEY_LIST, LB_SETCURSEL, 1, 0) != LB_ERR;
        }),
        InOwned(ok), SelectNode("Mouse", "LBUTTON-CLICK"), Click(IDC_MACRO_CBSHIFT), Click(IDC_MACRO_BTNADD),
        SelectNode("Tovanix", "Activate Tovanix"), Click(IDC_MACRO_BTNADD),
        // The comma key shows as it is stored.
        ExpectRows("CTRL+ALT+HOME|TYPE:hello world|\"\"|PAUSE:250|LAUNCH:I:C:\\Apps\\player.exe "
                   "/min|mediakeys:NEXT|SHIFT+LBUTTON-CLICK|Activate COM port|"),
        ExpectHint(4, "LAUNCH:I:C:\\Apps\\player.exe /min"), ExpectHint(-1, kCommandListHint)};
    const std::vector<Step> settings = {Click(IDC_MACRO_RBSPECIFY),
                                        ExpectEnabled(IDC_MACRO_TXTTARGETAPP, true),
                                        Type(IDC_MACRO_TXTTARGETAPP, "player.exe"),
                                        Type(IDC_MACRO_TXTTARGETWINDOW, "Player"),
                                        Click(IDC_MACRO_CBLEAVEWINDOW),
                                        Click(IDC_MACRO_CBDONTBRING),
                                        Click(IDC_MACRO_RBEXECREPEAT),
                                        Click(IDC_MACRO_CBHIDDEN),
                                        ok};
    const std::string id = Add("", steps + CustomKey(IDC_CUSTKEY_TXTTYPED, "hello world") +
                                       CustomKey(IDC_CUSTKEY_TXTCHAR, ",") + commands + settings);

    const TMacroRecord* stored = getMacro(id.c_str());
    ASSERT_TRUE(stored) << id;
    TMacroRecord expected = MacroRecord(id, "", "", "Player  start");
    CopyText(expected.Commands,
             "REPEAT,CTRL+ALT+HOME,TYPE:hello world,\"\",PAUSE:250,LAUNCH:I:C:\\Apps\\player.exe "
             "/min,mediakeys:NEXT,SHIFT+LBUTTON-CLICK,Activate COM port");
    CopyText(expected.TargetFile, "player.exe");
    CopyText(expected.TargetCaption, "Player");
    expected.LeaveWindow = false;  // returns to the previous window
    expected.DontFocus = true;
    expected.OSD = true;
    expected.Hidden = true;
    EXPECT_STREQ(stored->Name, expected.Name);
    EXPECT_STREQ(stored->Commands, expected.Commands);
    EXPECT_STREQ(stored->TargetFile, expected.TargetFile);
    EXPECT_STREQ(stored->TargetCaption, expected.TargetCaption);
    EXPECT_EQ(stored->CurrentWindow, 0);
    EXPECT_EQ(stored->LeaveWindow, 0);
    EXPECT_EQ(stored->DontFocus, 1);
    EXPECT_EQ(stored->OSD, 1);
    EXPECT_EQ(stored->Hidden, 1);
    EXPECT_EQ(stored->Select + stored->Loop + stored->Disabled, 0);
    EXPECT_EQ(std::memcmp(stored, &expected, sizeof expected), 0) << "the whole record";
}

TEST_F(MacroDialog, EditingLoadsTheMacroBackAndChangesItsList) {
    TBGroupRecord group = GroupRecord("A1", "", "Media");
    ASSERT_TRUE(addBGroup(&group));
    TMacroRecord macro = MacroRecord("M5", "A1", "", "Play");
    CopyText(macro.Commands, "REPEAT,LAUNCH:I:C:\\Apps\\player.exe,\"\",PAUSE:100,CLICK:0007:0003:L:S:UP ");
    CopyText(macro.TargetFile, "player.exe");
    CopyText(macro.TargetCaption, "Player");
    macro.DontFocus = true;
    macro.Hidden = true;
    ASSERT_TRUE(addMacro(&macro));

    const std::vector<Step> loaded = {
        Check([](HWND dialog) { EXPECT_EQ(WindowText(dialog), "Edit macro Media/Play"); }),
        ExpectText(IDC_MACRO_TXTNAME, "Play"),
        ExpectRows("LAUNCH:I:C:\\Apps\\player.exe|,|PAUSE:100|CLICK:0007:0003:L:S:UP |"),  // blanks are kept
        ExpectChecked(IDC_MACRO_RBEXECREPEAT, true),
        ExpectChecked(IDC_MACRO_RBSPECIFY, true),
        ExpectText(IDC_MACRO_TXTTARGETAPP, "player.exe"),
        ExpectText(IDC_MACRO_TXTTARGETWINDOW, "Player"),
        ExpectChecked(IDC_MACRO_CBLEAVEWINDOW, true),
        ExpectChecked(IDC_MACRO_CBDONTBRING, true),
        ExpectChecked(IDC_MACRO_CBOSD, false),
        ExpectChecked(IDC_MACRO_CBHIDDEN, true),
        ExpectHint(3, "Left mouse button up 7, 3. Coordinates are in relation to whole screen."),
        ExpectHint(1, ",")};
    const std::vector<Step> changes = {
        // Nothing is selected: the list's buttons wait for a row.
        ExpectEnabled(IDC_MACRO_BTNDELETE, false), ClickRow(2), ExpectEnabled(IDC_MACRO_BTNUP, true),
        Click(IDC_MACRO_BTNUP), Click(IDC_MACRO_BTNUP), Click(IDC_MACRO_BTNDOWN),
        ExpectRows("LAUNCH:I:C:\\Apps\\player.exe|PAUSE:100|,|CLICK:0007:0003:L:S:UP |"),
        // Only a LAUNCH row opens a dialog on a double-click.
        DoubleClickRow(1), Wait(300), Check([](HWND dialog) { EXPECT_EQ(OwnedDialog(dialog), nullptr); }),
        DoubleClickRow(0), InOwned(ExpectChecked(IDC_LAUNCHAPP_CBINSTANCE, true)),
        InOwned(ExpectText(IDC_LAUNCHAPP_TXTFILENAME, "C:\\Apps\\player.exe")),
        InOwned(Type(IDC_LAUNCHAPP_TXTPARAM, "/min")), InOwned(ok), ClickRow(3), Click(IDC_MACRO_BTNDELETE),
        ExpectRows("LAUNCH:I:C:\\Apps\\player.exe /min|PAUSE:100|,|"), Click(IDC_MACRO_RBEXECSELECT), ok};
    EXPECT_TRUE(Edit("M5", loaded + changes));

    const TMacroRecord* stored = getMacro("M5");
    ASSERT_TRUE(stored);
    EXPECT_STREQ(stored->Commands, "LAUNCH:I:C:\\Apps\\player.exe /min,PAUSE:100,\"\"");
    EXPECT_EQ(stored->Select, 1);
    EXPECT_STREQ(stored->AppID, "A1");
    EXPECT_EQ(stored->LeaveWindow, 0);
    EXPECT_FALSE(Edit("M5", {cancel}));
}

TEST_F(MacroDialog, DisabledGoesToTheStoreAtOnce) {
    // M2 is enabled with the same remote button, so M1 cannot be enabled.
    TMacroRecord clash = MacroRecord("M1", "", "1234", "Clash");
    clash.Disabled = true;
    TMacroRecord other = MacroRecord("M2", "", "1234", "Other");
    ASSERT_TRUE(addMacro(&clash) && addMacro(&other));
    EXPECT_FALSE(Edit(
        "M2", {Click(IDC_MACRO_CBDISABLED), Check([](HWND) { EXPECT_TRUE(isDisabled("M2")); }), cancel}));
    EXPECT_TRUE(isDisabled("M2")) << "Cancel does not undo it";
    ASSERT_TRUE(toggleDisableEnable("M2"));
    EXPECT_FALSE(Edit("M1", {ExpectChecked(IDC_MACRO_CBDISABLED, true), Click(IDC_MACRO_CBDISABLED),
                             ExpectChecked(IDC_MACRO_CBDISABLED, true), cancel}));
    EXPECT_TRUE(isDisabled("M1"));
}

TEST_F(MacroDialog, LeavingAnAddLeavesNoMacro) {
    int whileOpen = 0;
    const Step countMacros = [&](HWND editor) {
        if (!OwnedDialog(editor)) return false;
        whileOpen = MacroCount();
        return true;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"Learn... then Cancel",
         {Type(IDC_MACRO_TXTNAME, "Learnt"), Click(IDC_MACRO_BTNLEARN), countMacros, CloseOwnedDialogs(),
          cancel}},
        {"a click location then the close box",
         {Click(IDC_MACRO_RBSPECIFY), Type(IDC_MACRO_TXTTARGETWINDOW, "No window has this caption"),
          SelectNode("Mouse", "Mouse click to location..."), Click(IDC_MACRO_BTNADD), countMacros,
          CloseOwnedDialogs(), ExpectRows(""), closeBox}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        whileOpen = 0;
        EXPECT_EQ(Add("", c.steps), "");
        EXPECT_EQ(whileOpen, 1) << "stored for the dialog it opened";
        EXPECT_EQ(MacroCount(), 0);
    }
}

TEST_F(MacroDialog, FindsThePluginsOfTheProgramFolder) {
    Add("", {Check([](HWND dialog) {
                 const HWND tree = GetDlgItem(dialog, IDC_MACRO_TVCMDS);
                 const HTREEITEM custom = Node(dialog, kCustomCommandsCategory, "");
                 const HTREEITEM plugin = TreeView_GetChild(tree, custom);
                 EXPECT_EQ(plugin, Node(dialog, kCustomCommandsCategory, "Media keys"));
                 EXPECT_EQ(TreeView_GetNextSibling(tree, plugin), nullptr) << "one plug-in only";
                 EXPECT_EQ(GetModuleHandleA("mediakeys.dll"), nullptr) << "released";
                 EXPECT_EQ(GetModuleHandleA("RXNT.DLL"), nullptr);
             }),
             cancel});
    EXPECT_EQ(ReadSetting(setting::Plugins), "Media keys:mediakeys.dll");

    // Without plug-ins the list is written empty.
    ASSERT_TRUE(DeleteFileA((folder_.path() + "mediakeys.dll").c_str()));
    Add("", {cancel});
    EXPECT_EQ(ReadSetting(setting::Plugins), "");
}

TEST_F(MacroDialog, EnablesItsControlsByTheRules) {
    const struct {
        const char* name;
        int osd;
        std::vector<Step> steps;
    } cases[] = {
        {"a category adds nothing, not by a double-click either",
         1,
         {SelectNode("Keys"), ExpectEnabled(IDC_MACRO_BTNADD, false), ExpectEnabled(IDC_MACRO_CBCTRL, false),
          DoubleClickNode("Mouse"), Wait(200), ExpectRows("")}},
        {"two modifiers grey the third",
         1,
         {SelectNode("Keys", "TAB"), Click(IDC_MACRO_CBCTRL), Click(IDC_MACRO_CBSHIFT),
          ExpectEnabled(IDC_MACRO_CBALT, false), Click(IDC_MACRO_CBSHIFT),
          ExpectEnabled(IDC_MACRO_CBALT, true), SelectNode("Mouse", "MOUSE-UP"),
          ExpectEnabled(IDC_MACRO_CBCTRL, false), ExpectEnabled(IDC_MACRO_BTNADD, true)}},
        {"the single-command types need two rows",
         1,
         {ExpectEnabled(IDC_MACRO_RBEXECSELECT, false), SelectNode("Volume", "Volume up"),
          Click(IDC_MACRO_BTNADD), ExpectEnabled(IDC_MACRO_RBEXECLOOP, false), Click(IDC_MACRO_BTNADD),
          ExpectEnabled(IDC_MACRO_RBEXECLOOP, true), Click(IDC_MACRO_RBEXECLOOP), ClickRow(1),
          Click(IDC_MACRO_BTNDELETE), ExpectEnabled(IDC_MACRO_RBEXECLOOP, false),
          ExpectChecked(IDC_MACRO_RBEXECNORMAL, true), ExpectEnabled(IDC_MACRO_BTNUP, false)}},
        {"no on-screen display in the settings", 0, {ExpectEnabled(IDC_MACRO_CBOSD, false)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingOverride osd(setting::OSD, c.osd);
        EXPECT_EQ(Add("", c.steps + std::vector{cancel}), "");
    }
}

}  // namespace
