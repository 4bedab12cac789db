// The settings dialog through tovedit's ChangeSettings export, driven on the
// test's own thread as a user would: up-downs, check boxes, the two pages of
// the sample, the driver list and its "Configure..." button, the real
// registry and the real driver libraries of the program folder.
#include <windows.h>
#include <colordlg.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/Settings.h"
#include "editing/tovedit.h"
#include "editing/win/TdlgSettingsRes.h"
#include "tests/support/DialogScript.h"
#include "tests/support/WinTestSupport.h"

namespace {

using Step = DialogScript::Step;

std::string Text(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}
std::string Text(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

void SetPosition(HWND dialog, int upDown, int position) {
    SendDlgItemMessageA(dialog, upDown, UDM_SETPOS32, 0, position);
}
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
// What a click on the tab does: the page changes and the dialog is told.
void ShowPage(HWND dialog, int page) {
    HWND tabs = GetDlgItem(dialog, IDC_SETTINGS_PCSAMPLE);
    TabCtrl_SetCurSel(tabs, page);
    NMHDR header{tabs, IDC_SETTINGS_PCSAMPLE, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dialog, WM_NOTIFY, IDC_SETTINGS_PCSAMPLE, reinterpret_cast<LPARAM>(&header));
}
void ChooseLocation(HWND dialog, int index) {
    HWND combo = GetDlgItem(dialog, IDC_SETTINGS_CMBLOCATION);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_CMBLOCATION, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}
// Clicks the driver of that name in the list; false when it is not listed.
bool ClickDriver(HWND dialog, const char* name) {
    HWND list = GetDlgItem(dialog, IDC_SETTINGS_LBDRIVERS);
    const LRESULT index =
        SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    if (index == LB_ERR) return false;
    SendMessageA(list, LB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_LBDRIVERS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return true;
}
std::string SelectedDriver(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SETTINGS_LBDRIVERS);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    char name[64] = "";
    if (index != LB_ERR) SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name));
    return name;
}
Step Press(int button) {
    return [=](HWND dialog) { return PostMessageA(dialog, WM_COMMAND, button, 0) != 0; };
}

class SettingsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The test program is not Tovanix.exe: the drivers are looked for in
        // the current folder.
        GetCurrentDirectoryA(MAX_PATH, previousFolder_);
        SetCurrentDirectoryA(TestProgramFolder().c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
        SetCurrentDirectoryA(previousFolder_);
    }
    // Runs the dialog with the steps; its result.
    bool Run(std::vector<Step> steps) {
        DialogScript script(steps);
        const bool result = ChangeSettings(nullptr);
        EXPECT_EQ(script.done(), steps.size());
        return result;
    }

    char previousFolder_[MAX_PATH] = "";
};

TEST_F(SettingsDialogTest, OkWritesWhatTheControlsShowAndEachPageKeepsItsOwnPlace) {
    WriteIntSetting("PressDelay", 1500);
    WriteStrSetting("OSDLoc", "Top left");
    std::string shownPressDelay, shownSequence, shownTime;
    const bool ok =
        Run({[&](HWND dialog) {
                 shownPressDelay = Text(dialog, IDC_SETTINGS_TXTPRESSDELAY);
                 shownSequence = Text(dialog, IDC_SETTINGS_TXTSEQUENCE);
                 shownTime = Text(dialog, IDC_SETTINGS_TXTTIME);
                 SetPosition(dialog, IDC_SETTINGS_UDTOLERANCE, 7);
                 SetPosition(dialog, IDC_SETTINGS_UDSAMPLE, 12);
                 Click(dialog, IDC_SETTINGS_CBREACTIVATE);
                 SetDlgItemTextA(dialog, IDC_SETTINGS_TXTREACTIVATE, "90");
                 Click(dialog, IDC_SETTINGS_CBMINIMIZE);
                 Click(dialog, IDC_SETTINGS_CBLEARN);
                 SendDlgItemMessageA(dialog, IDC_SETTINGS_TBCURSOR, TBM_SETPOS, TRUE, 55);
                 ShowPage(dialog, 1);
                 SetPosition(dialog, IDC_SETTINGS_UDTIME, 250);
                 SendDlgItemMessageA(dialog, IDC_SETTINGS_UDTIME, WM_VSCROLL, 0, 0);
                 ChooseLocation(dialog, 0);
                 return true;
             },
             [&](HWND dialog) {
                 // The display's page shows its own values again.
                 ShowPage(dialog, 0);
                 EXPECT_EQ(Text(dialog, IDC_SETTINGS_TXTTIME), "1000");
                 EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_SETTINGS_CMBLOCATION, CB_GETCURSEL, 0, 0), 1);
                 return true;
             },
             Press(IDOK)});
    EXPECT_TRUE(ok);
    EXPECT_EQ(shownPressDelay, "1000");
    EXPECT_EQ(shownSequence, "600");
    EXPECT_EQ(shownTime, "1000");
    EXPECT_EQ(ReadIntSetting("PressDelay", -1), 1000);
    EXPECT_EQ(ReadIntSetting("Tolerance", -1), 7);
    EXPECT_EQ(ReadIntSetting("SampleCount", -1), 12);
    EXPECT_EQ(ReadIntSetting("Skip", -1), 0);
    EXPECT_EQ(ReadIntSetting("SeqDelay", -1), 600);
    EXPECT_EQ(ReadIntSetting("Reactivate", -1), 1);
    EXPECT_EQ(ReadIntSetting("ReactivateTime", -1), 90);
    EXPECT_EQ(ReadIntSetting("Minimize", -1), 1);
    EXPECT_EQ(ReadIntSetting("AutoLearn", -1), 1);
    EXPECT_EQ(ReadIntSetting("BtnPanelStart", -1), 0);
    EXPECT_EQ(ReadIntSetting("CursorAcc", -1), 55);
    EXPECT_EQ(ReadIntSetting("OSD", -1), 1);
    EXPECT_EQ(ReadIntSetting("OSDTime", -1), 1000);
    EXPECT_EQ(ReadStrSetting("OSDLoc", ""), "Top left");
    EXPECT_EQ(ReadIntSetting("CmdTime", -1), 250);
    EXPECT_EQ(ReadStrSetting("CmdLoc", ""), "Center");
    EXPECT_EQ(ReadStrSetting("FontName", ""), "Times New Roman");
    EXPECT_EQ(ReadIntSetting("CmdFontSize", -1), 20);
    EXPECT_EQ(ReadIntSetting("CmdBackColor", -1), 16777215);
    EXPECT_EQ(ReadStrSetting("Driver", "none"), "none");
}

TEST_F(SettingsDialogTest, CancelWritesNothingAndPutsTheClickedDriverBack) {
    WriteStrSetting("Driver", "tovlocal.dll");
    std::string shown, whileOpen;
    const bool ok = Run({[&](HWND dialog) {
                             shown = SelectedDriver(dialog);
                             SetPosition(dialog, IDC_SETTINGS_UDTOLERANCE, 9);
                             EXPECT_TRUE(ClickDriver(dialog, "Windows remotes (HID)"));
                             whileOpen = ReadStrSetting("Driver", "");
                             return true;
                         },
                         Press(IDCANCEL)});
    EXPECT_FALSE(ok);
    EXPECT_EQ(shown, "Local receiver (tovsend)");
    EXPECT_EQ(whileOpen, "tovhid.dll");
    EXPECT_EQ(ReadStrSetting("Driver", ""), "tovlocal.dll");
    EXPECT_EQ(ReadIntSetting("Tolerance", -1), -1);
}

TEST_F(SettingsDialogTest, ConfigureOpensTheDialogOfTheDriverJustClickedAndOkKeepsIt) {
    std::string listed;
    HWND driverDialog = nullptr;
    const bool ok =
        Run({[&](HWND dialog) {
                 HWND list = GetDlgItem(dialog, IDC_SETTINGS_LBDRIVERS);
                 for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
                     char name[64] = "";
                     SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
                     listed += std::string(name) + ";";
                 }
                 EXPECT_EQ(SelectedDriver(dialog), "Local receiver (tovsend)");  // in use without a choice
                 EXPECT_TRUE(ClickDriver(dialog, "Network receiver (lircd/WinLIRC)")) << listed;
                 return PostMessageA(GetDlgItem(dialog, IDC_SETTINGS_BTNCONFIGURE), BM_CLICK, 0, 0) != 0;
             },
             [&](HWND) {
                 driverDialog = FindWindowA("#32770", "Network receiver");
                 return driverDialog && PostMessageA(driverDialog, WM_COMMAND, IDCANCEL, 0);
             },
             [&](HWND) { return !IsWindow(driverDialog); }, Press(IDOK)});
    EXPECT_TRUE(ok);
    // The four drivers and no other library of the folder.
    for (const char* name : {"Local receiver (tovsend);", "Network receiver (lircd/WinLIRC);",
                             "IRMan serial receiver;", "Windows remotes (HID);"})
        EXPECT_NE(listed.find(name), std::string::npos) << listed;
    EXPECT_EQ(std::count(listed.begin(), listed.end(), ';'), 4) << listed;
    EXPECT_EQ(ReadStrSetting("Driver", ""), "tovnet.dll");
}

TEST_F(SettingsDialogTest, TheColourDialogSetsTheBackgroundOfThePageShowing) {
    HWND colour = nullptr;
    const bool ok =
        Run({[&](HWND dialog) {
                 ShowPage(dialog, 1);
                 return PostMessageA(GetDlgItem(dialog, IDC_SETTINGS_BTNBACKGROUND), BM_CLICK, 0, 0) != 0;
             },
             [&](HWND) {
                 colour = FindWindowA("#32770", "Color");
                 if (!colour) return false;
                 SetDlgItemTextA(colour, COLOR_RED, "10");
                 SetDlgItemTextA(colour, COLOR_GREEN, "20");
                 SetDlgItemTextA(colour, COLOR_BLUE, "30");
                 return PostMessageA(colour, WM_COMMAND, IDOK, 0) != 0;
             },
             [&](HWND) { return !IsWindow(colour); }, Press(IDOK)});
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadIntSetting("CmdBackColor", -1), 10 + 20 * 256 + 30 * 65536);
    EXPECT_EQ(ReadIntSetting("BackColor", -1), 16777215);
}

TEST_F(SettingsDialogTest, TheDisplaysPageControlsFollowItsCheckBoxAndTheChoosersStayOn) {
    WriteIntSetting("OSD", 0);
    const int pageControls[] = {IDC_SETTINGS_TXTTIME, IDC_SETTINGS_UDTIME, IDC_SETTINGS_CMBLOCATION,
                                IDC_SETTINGS_BTNBACKGROUND, IDC_SETTINGS_BTNFONT};
    auto expectEnabled = [&](HWND dialog, bool enabled, const char* when) {
        for (int id : pageControls) EXPECT_EQ(Enabled(dialog, id), enabled) << when << " " << id;
    };
    const bool ok = Run({[&](HWND dialog) {
                             EXPECT_EQ(Text(dialog, IDC_SETTINGS_LBLTIME), "S&howing time (ms):");
                             expectEnabled(dialog, false, "display page, display off");
                             EXPECT_FALSE(Enabled(dialog, IDC_SETTINGS_TXTREACTIVATE));
                             ShowPage(dialog, 1);
                             EXPECT_EQ(Text(dialog, IDC_SETTINGS_LBLTIME), "S&election time (ms):");
                             expectEnabled(dialog, true, "chooser page, display off");
                             ShowPage(dialog, 0);
                             Click(dialog, IDC_SETTINGS_CBOSD);
                             expectEnabled(dialog, true, "display page, display on");
                             Click(dialog, IDC_SETTINGS_CBOSD);
                             expectEnabled(dialog, false, "display page, display off again");
                             Click(dialog, IDC_SETTINGS_CBREACTIVATE);
                             EXPECT_TRUE(Enabled(dialog, IDC_SETTINGS_TXTREACTIVATE));
                             // A number out of range shows the minutes kept, also when they stay.
                             for (int i = 0; i < 2; ++i)
                                 SetDlgItemTextA(dialog, IDC_SETTINGS_TXTREACTIVATE, "0");
                             EXPECT_EQ(Text(dialog, IDC_SETTINGS_TXTREACTIVATE), "1");
                             // Typing that is no number keeps the minutes.
                             SetDlgItemTextA(dialog, IDC_SETTINGS_TXTREACTIVATE, "x");
                             return true;
                         },
                         Press(IDOK)});
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadIntSetting("OSD", -1), 0);
    EXPECT_EQ(ReadIntSetting("ReactivateTime", -1), 1);
}

}  // namespace
