// The settings dialog from the main window of the real Tovanix.exe: the
// receiver is closed while the dialog is open and comes back afterwards,
// with the values written on OK.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "app/win/resource.h"
#include "editing/win/TdlgSettingsRes.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ProgramItems.h"

namespace {

class SettingsMenuTest : public ProgramTest {
  protected:
    int Press(const std::string& button) { return RunProgram(program->Folder() + "tovsend.exe", button); }
    bool AwaitCaption(const std::string& caption) {
        return WaitFor([&] { return program->Caption() == caption; }, 9000);
    }
    HWND AwaitSettings() {
        HWND dialog = nullptr;
        WaitFor([&] { return (dialog = program->DialogWindow()) && TextOf(dialog) == "Settings"; }, 8000);
        return dialog && TextOf(dialog) == "Settings" ? dialog : nullptr;
    }
};

TEST_F(SettingsMenuTest, TheReceiverIsClosedAroundTheDialogAndOkStoresItsValues) {
    WriteStartSetting(true);
    TovanixProgram& tovanix = Start(Macro("M1", "Enter", "ENTER", "", "KEY_OK"));
    ASSERT_TRUE(AwaitCaption("Tovanix - receiving"));

    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_SETTINGS, 0);
    HWND dialog = AwaitSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(tovanix.Caption(), "Tovanix - not receiving");
    // No receiver listens while the dialog is open.
    EXPECT_EQ(Press("KEY_OK"), 2);
    SendDlgItemMessageA(dialog, IDC_SETTINGS_UDSEQUENCE, UDM_SETPOS32, 0, 800);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 3000));

    EXPECT_TRUE(AwaitCaption("Tovanix - receiving"));
    EXPECT_EQ(ReadSetting(setting::SeqDelay), 800);
    EXPECT_EQ(Press("KEY_OK"), 0);
    EXPECT_TRUE(tovanix.Close());
}

TEST_F(SettingsMenuTest, AnInactiveReceiverStaysOffAndTheChosenDriverIsTheOneInitialised) {
    TovanixProgram& tovanix = Start(Macro("M1", "Enter", "ENTER"));
    ASSERT_TRUE(WaitUntilShown());
    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_SETTINGS, 0);
    HWND dialog = AwaitSettings();
    ASSERT_NE(dialog, nullptr);
    // The serial receiver on a port that does not exist cannot be switched on.
    WriteSetting(setting::SerialPort, "COM9");
    HWND list = GetDlgItem(dialog, IDC_SETTINGS_LBDRIVERS);
    const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>("IRMan serial receiver"));
    ASSERT_NE(index, LB_ERR);
    SendMessageA(list, LB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_LBDRIVERS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 3000));
    EXPECT_EQ(ReadSetting(setting::Driver), "tovirman.dll");
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(tovanix.Caption(), "Tovanix - not receiving");
    tovanix.Command(IDC_MAIN_ACTIVATE);
    WaitFor([] { return false; }, 3000);
    EXPECT_EQ(tovanix.Caption(), "Tovanix - not receiving");
}

}  // namespace
