// Learning remote buttons from the main window of the real Tovanix.exe, with
// presses from the sender tool through the local receiver, each ending in
// the command file.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "app/win/resource.h"
#include "core/Settings.h"
#include "display/win/TdlgShowLearnRes.h"
#include "editing/win/TdlgLearnRes.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ProgramItems.h"
#include "tests/support/TovanixProgram.h"
#include "tests/support/WinTestSupport.h"

namespace {

constexpr const char* kSamplingTip =
    "Execute command with the remote controller device until progress bar reaches 100%!";

class LearnTest : public ProgramTest {
  protected:
    // Starts learning the node from the main window's Learn menu.
    HWND LearnNode(int topIndex, int childIndex, const std::string& caption) {
        if (!program->SelectNode(topIndex, childIndex)) return nullptr;
        PostMessageA(program->MainWindow(), WM_COMMAND, IDM_LEARN, 0);
        return AwaitDialog(caption);
    }
    // The program's dialog with that caption, once it is on the screen.
    HWND AwaitDialog(const std::string& caption) {
        HWND dialog = nullptr;
        WaitFor([&] { return (dialog = program->DialogWindow()) && TextOf(dialog) == caption; }, 8000);
        return dialog && TextOf(dialog) == caption ? dialog : nullptr;
    }
    // Learning starts half a second after the dialog shows.
    static bool AwaitSampling(HWND dialog) {
        return WaitFor([&] { return TextOf(GetDlgItem(dialog, IDC_LEARN_LBLTIP)) == kSamplingTip; }, 3000);
    }
    static bool AwaitClosed(HWND dialog) {
        return WaitFor([&] { return !IsWindow(dialog); }, 3000);
    }
    // Presses the button that many times; the sender tool's exit code.
    int Press(const std::string& button, int times = 1) {
        std::string buttons = button;
        for (int i = 1; i < times; ++i) buttons += " " + button;
        return RunProgram(program->Folder() + "tovsend.exe", buttons);
    }
    // The command file is read only once Tovanix is done with it: a save
    // fails while another program has the file open.
    bool FileHolds(const std::string& part) { return Contains(program->CommandFile(), part); }
    bool AwaitCaption(const std::string& caption) {
        return WaitFor([&] { return program->Caption() == caption; }, 9000);
    }
    static std::string Text(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }
    static void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    // Five presses of the button in the dialog.
    bool LearnIn(HWND dialog, const std::string& button) {
        return AwaitSampling(dialog) && Press(button, 5) == 0 && AwaitClosed(dialog);
    }
};

TEST_F(LearnTest, OneButtonAndThenASequenceOfTwoAreStoredAndTheReceiverComesBack) {
    WriteStartSetting(true);
    // A panel button whose macro lets the user choose, clicked while learning.
    WriteSetting(setting::BtnPanelStart, 1);
    WriteSetting(setting::BtnPanelX, 600);
    WriteWholeFile(folder.path() + "BTNLIST.TXT", "ID:1\r\nW:40\r\nH:40\r\nMID:M3\r\n");
    std::string choose = Macro("M3", "Zap", "TAB");
    choose.replace(choose.find("SELECT:0"), 8, "SELECT:1");
    TovanixProgram& tovanix = Start(Group("A1", "Player") + Macro("M1", "Play", "ENTER", "A1") +
                                    Macro("M2", "Stop", "TAB") + choose);
    ASSERT_TRUE(AwaitCaption("Tovanix - receiving"));

    HWND dialog = LearnNode(1, -1, "Learn Stop");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(tovanix.Caption(), "Tovanix - not receiving");
    EXPECT_EQ(Text(dialog, IDCANCEL), "Cancel");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_LEARN_BTNBATCH)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_LEARN_BTNCOMMAND)));
    EXPECT_EQ(Text(dialog, IDC_LEARN_LBLBUTTON), "Learn button 1/1");
    ASSERT_TRUE(AwaitSampling(dialog));
    SetCursorPos(620, 20);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_EQ(Press("KEY_STOP", 5), 0);
    ASSERT_TRUE(AwaitClosed(dialog));
    // Switched on again a second after the item and the file were done.
    EXPECT_TRUE(AwaitCaption("Tovanix - receiving"));
    EXPECT_TRUE(FileHolds("NAME:Stop\r\nAPPID:\r\nIRCOMMAND:KEY_STOP\r\n"));

    // The monitor tells where the presses of a learn went.
    tovanix.Command(IDM_MONITOR);
    TreeView_Expand(tovanix.Tree(), TreeView_GetRoot(tovanix.Tree()), TVE_EXPAND);
    dialog = LearnNode(0, 0, "Learn Player/Play");
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IDC_LEARN_TXTBUTTONS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2"));
    EXPECT_EQ(Text(dialog, IDC_LEARN_LBLBUTTON), "Learn button 1/2");
    ASSERT_TRUE(AwaitSampling(dialog));
    EXPECT_EQ(Press("KEY_1", 5), 0);
    ASSERT_TRUE(WaitFor([&] { return Text(dialog, IDC_LEARN_LBLBUTTON) == "Learn button 2/2"; }, 3000));
    EXPECT_EQ(Text(dialog, IDC_LEARN_MEMCOMMANDS), "");
    // The finger still on the first button while the second is prepared.
    EXPECT_EQ(Press("KEY_9"), 0);
    WaitFor([] { return false; }, 1800);
    EXPECT_EQ(Press("KEY_2", 5), 0);
    ASSERT_TRUE(AwaitClosed(dialog));
    EXPECT_TRUE(AwaitCaption("Tovanix - receiving"));
    EXPECT_TRUE(FileHolds("NAME:Play\r\nAPPID:A1\r\nIRCOMMAND:KEY_1;KEY_2\r\n"));
    for (const char* press : {"\tKEY_1\t0\twhile learning\r\n", "\tKEY_9\t0\twhile learning\r\n"})
        EXPECT_NE(tovanix.MonitorText().find(press), std::string::npos) << tovanix.MonitorText();
}

TEST_F(LearnTest, TooManyCodesStartTheButtonAgainAndTheCloseBoxLeavesTheReceiverOff) {
    TovanixProgram& tovanix = Start(Macro("M1", "Play", "ENTER"));
    ASSERT_TRUE(WaitUntilShown());
    const std::string before = tovanix.CommandFile();
    HWND dialog = LearnNode(0, -1, "Learn Play");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(AwaitSampling(dialog));
    // The tray menu, which the dialog does not block, leaves the receiver
    // to the dialog.
    ASSERT_TRUE(tovanix.ChooseFromTrayMenu('A'));
    EXPECT_EQ(tovanix.Caption(), "Tovanix - not receiving");

    EXPECT_EQ(Press("KEY_A"), 0);
    EXPECT_EQ(Press("KEY_B"), 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = tovanix.MessageBoxWindow()) != nullptr; }, 3000));
    EXPECT_EQ(TextOf(box), "Learn");
    EXPECT_EQ(Text(box, 0xFFFF),
              "Too many command codes notifed! Please repeat button press or check the variation -setting!");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(AwaitClosed(box));
    EXPECT_EQ(Text(dialog, IDC_LEARN_MEMCOMMANDS), "");
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_LEARN_PRESSINGS), PBM_GETPOS, 0, 0), 0);

    EXPECT_EQ(Press("KEY_A", 2), 0);
    EXPECT_TRUE(WaitFor([&] { return Text(dialog, IDC_LEARN_MEMCOMMANDS) == "KEY_A\r\nKEY_A\r\n"; }, 3000));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_LEARN_PRESSINGS), PBM_GETPOS, 0, 0), 2);

    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(AwaitClosed(dialog));
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(tovanix.CommandFile(), before);
    EXPECT_EQ(tovanix.Caption(), "Tovanix - not receiving");
    // Nothing listens for presses any more.
    EXPECT_NE(Press("KEY_A"), 0);
}

TEST_F(LearnTest, BatchLearnWalksTheUnlearntItemsUntilCancelBatch) {
    TovanixProgram& tovanix =
        Start(Macro("M1", "Alpha", "ENTER") + Macro("M2", "Beta", "TAB", "", "KEY_B") +
              Macro("M5", "Omega", "ENTER") + Group("A1", "Player", "KEY_P") +
              Macro("M3", "Gamma", "ENTER", "A1") + Macro("M4", "Delta", "ENTER", "A1"));
    ASSERT_TRUE(WaitUntilShown());
    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_BATCHLEARN, 0);

    HWND dialog = AwaitDialog("Learn Alpha");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, IDCANCEL), "Next");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_LEARN_BTNBATCH)));
    EXPECT_EQ(Text(dialog, IDC_LEARN_BTNBATCH), "Cancel batch");
    EXPECT_TRUE(LearnIn(dialog, "KEY_A"));

    dialog = AwaitDialog("Learn Omega");
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDCANCEL);

    // The group has its button; the macros of the collapsed group follow.
    dialog = AwaitDialog("Learn Player/Gamma");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(LearnIn(dialog, "KEY_G"));

    dialog = AwaitDialog("Learn Player/Delta");
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDC_LEARN_BTNBATCH);
    ASSERT_TRUE(AwaitClosed(dialog));
    EXPECT_FALSE(WaitFor([&] { return tovanix.DialogWindow() != nullptr; }, 1500));

    const std::string file = tovanix.CommandFile();
    EXPECT_TRUE(Contains(file, "NAME:Alpha\r\nAPPID:\r\nIRCOMMAND:KEY_A\r\n"));
    EXPECT_TRUE(Contains(file, "NAME:Gamma\r\nAPPID:A1\r\nIRCOMMAND:KEY_G\r\n"));
    EXPECT_TRUE(Contains(file, "NAME:Omega\r\nAPPID:\r\nIRCOMMAND:\r\n"));
    EXPECT_TRUE(Contains(file, "NAME:Delta\r\nAPPID:A1\r\nIRCOMMAND:\r\n"));
    EXPECT_TRUE(Contains(file, "NAME:Beta\r\nAPPID:\r\nIRCOMMAND:KEY_B\r\n"));
}

TEST_F(LearnTest, ShowLearntCommandListsEachCodeAndRemoveLearnForgetsThem) {
    TovanixProgram& tovanix = Start(Macro("M1", "Play", "ENTER", "", "A,B;C"));
    ASSERT_TRUE(WaitUntilShown());
    ASSERT_TRUE(tovanix.SelectNode(0));
    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_SHOWLEARNT, 0);
    HWND viewer = AwaitDialog("Learnt commands of Play");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(Text(viewer, IDC_SHOWLEARN_LBLCOMMANDS), "Commands:");
    EXPECT_EQ(Text(viewer, IDC_SHOWLEARN_MEMO1), "A\r\nB\r\n\r\nC\r\n");
    Click(viewer, IDOK);
    ASSERT_TRUE(AwaitClosed(viewer));

    tovanix.Command(IDM_REMOVELEARN);
    EXPECT_TRUE(Contains(tovanix.CommandFile(), "NAME:Play\r\nAPPID:\r\nIRCOMMAND:\r\n"));
}

TEST_F(LearnTest, ALongPressIsLearntFromHeldPressesOnlyAndShownAsHeld) {
    WriteSetting(setting::SampleCount, 2);
    TovanixProgram& tovanix = Start(Macro("M1", "Menu", "TAB"));
    ASSERT_TRUE(WaitUntilShown());
    HWND dialog = LearnNode(0, -1, "Learn Menu");
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDC_LEARN_CBLONG);
    ASSERT_TRUE(
        WaitFor([&] { return Contains(Text(dialog, IDC_LEARN_LBLTIP), "Hold the button down"); }, 3000));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_LEARN_TXTBUTTONS)));
    EXPECT_EQ(Press("KEY_OK"), 0);
    EXPECT_EQ(Press("--hold 700 KEY_OK"), 0);
    // The dialog closes on the second hold's mark, maybe before the sender is done.
    Press("--hold 700 KEY_OK");
    ASSERT_TRUE(AwaitClosed(dialog));
    EXPECT_TRUE(WaitFor([&] { return FileHolds("NAME:Menu\r\nAPPID:\r\nIRCOMMAND:KEY_OK@hold\r\n"); }, 3000));
    EXPECT_EQ(tovanix.NodeText(0), "Menu (held)");
}

}  // namespace
