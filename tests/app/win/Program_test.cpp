// Tovanix.exe itself: start-up, the receiver's state, the tree and the menu
// commands, each followed by the command file on disk.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/win/resource.h"
#include "core/Settings.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ProgramItems.h"
#include "tests/support/TargetProgram.h"
#include "tests/support/TestWindow.h"
#include "tests/support/TovanixProgram.h"
#include "tests/support/WinTestSupport.h"

namespace {

TEST_F(ProgramTest, StartWithActivationAndMinimizeNeverShowsTheWindowAndRunsTheStartUpMacro) {
    TestWindow witness("Start-up witness");
    WriteStartSetting(true);
    WriteMinimizeSetting(true);
    WriteSetting(setting::Action, 2);
    TovanixProgram& tovanix =
        Start(Macro("M1", "Other", "SENDMESSAGE:1030:0:0", "", "", "Start-up witness") +
              Macro("M2", "Welcome", "SENDMESSAGE:1029:5:6", "", "", "Start-up witness"));
    bool shownOnScreen = false;
    const bool ran = WaitFor(
        [&] {
            RECT rect;
            HWND main = tovanix.MainWindow();
            if (IsWindowVisible(main) && GetWindowRect(main, &rect) && rect.right > 0 && rect.bottom > 0)
                shownOnScreen = true;
            return !witness.userMessages.empty();
        },
        9000);
    EXPECT_TRUE(ran);
    EXPECT_EQ(witness.userMessages, (std::vector<std::string>{"1029 5 6"}));
    EXPECT_FALSE(shownOnScreen);
    EXPECT_FALSE(IsWindowVisible(tovanix.MainWindow()));
    EXPECT_EQ(tovanix.Caption(), "Tovanix - receiving");
}

TEST_F(ProgramTest, ReceiverThatCannotBeActivatedStillEndsInTheTrayWithoutAMessage) {
    WriteStartSetting(true);
    WriteMinimizeSetting(true);
    WriteStrSetting("Driver", "tovirman.dll");
    WriteStrSetting("SerialPort", "COM9");
    TovanixProgram& tovanix = Start(Macro("M1", "Anything", "ENTER"));
    Sleep(6500);
    EXPECT_EQ(tovanix.MessageBoxWindow(), nullptr);
    EXPECT_FALSE(IsWindowVisible(tovanix.MainWindow()));
    EXPECT_EQ(tovanix.Caption(), "Tovanix - not receiving");
}

// Whether first lies above second in the Z order of the desktop.
bool Above(HWND first, HWND second) {
    for (HWND window = GetWindow(first, GW_HWNDNEXT); window; window = GetWindow(window, GW_HWNDNEXT))
        if (window == second) return true;
    return false;
}

TEST_F(ProgramTest, ReceiverErrorAtStartUpStandsAboveTheSplashAndTheStartGoesOn) {
    WriteStrSetting("Driver", "nosuch.dll");
    TovanixProgram& tovanix = Start("");
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = tovanix.MessageBoxWindow()) != nullptr; }, 5000));
    const HWND splash = tovanix.SplashWindow();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(IsWindowVisible(splash));
    EXPECT_TRUE(GetWindowLongPtrA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(TextOf(box), "Error");
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)),
              "IR-receiver initialization did not succeed! Check the driver settings!");
    // The splash owns it, so it stays above the splash, on top like it, and
    // takes the user's click.
    EXPECT_EQ(GetWindow(box, GW_OWNER), splash);
    EXPECT_TRUE(GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(Above(box, splash));
    EXPECT_TRUE(IsWindowEnabled(box));

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilShown());
    EXPECT_TRUE(WaitFor([&] { return tovanix.SplashWindow() == nullptr; }, 3000));
    EXPECT_EQ(tovanix.Caption(), "Tovanix - not receiving");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(tovanix.MainWindow(), IDC_MAIN_ACTIVATE)));
    EXPECT_TRUE(tovanix.Close());
}

TEST_F(ProgramTest, CollapsedGroupShowsOneChildUntilExpanded) {
    std::string file = Group("A1", "Player");
    for (int i = 1; i <= 5; ++i)
        file += Macro("M" + std::to_string(i), "Button " + std::to_string(i), "ENTER", "A1");
    file += Macro("M6", "General", "ENTER");
    TovanixProgram& tovanix = Start(file);
    ASSERT_TRUE(WaitUntilShown());
    HWND tree = tovanix.Tree();
    EXPECT_EQ(TreeView_GetCount(tree), 3u);
    TreeView_Expand(tree, TreeView_GetRoot(tree), TVE_EXPAND);
    EXPECT_EQ(TreeView_GetCount(tree), 7u);
    TreeView_Expand(tree, TreeView_GetRoot(tree), TVE_COLLAPSE);
    TreeView_Expand(tree, TreeView_GetRoot(tree), TVE_EXPAND);
    EXPECT_EQ(TreeView_GetCount(tree), 7u);
}

TEST_F(ProgramTest, DisableIsWrittenToTheCommandFile) {
    TovanixProgram& tovanix = Start(Group("A1", "Player") + Macro("M1", "Play", "ENTER", "A1"));
    ASSERT_TRUE(WaitUntilShown());
    ASSERT_TRUE(tovanix.SelectNode(0));
    tovanix.Command(IDM_DISABLE);
    EXPECT_TRUE(
        Contains(tovanix.CommandFile(), "ID:A1\r\nNAME:Player\r\nIRCOMMAND:\r\nMACROID:\r\nDISABLED:1\r\n"));
    tovanix.Command(IDM_DISABLE);
    EXPECT_TRUE(Contains(tovanix.CommandFile(), "NAME:Player\r\nIRCOMMAND:\r\nMACROID:\r\nDISABLED:0\r\n"));
}

TEST_F(ProgramTest, DeletingAGroupWithMacrosAsksFirst) {
    TovanixProgram& tovanix =
        Start(Group("A1", "Player") + Macro("M1", "Play", "ENTER", "A1") + Macro("M2", "Alone", "TAB"));
    ASSERT_TRUE(WaitUntilShown());
    ASSERT_TRUE(tovanix.SelectNode(0));
    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_DELETE, 0);
    HWND question = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (question = tovanix.MessageBoxWindow()) != nullptr; }, 3000));
    EXPECT_EQ(TextOf(question), "Delete BGroup");
    EXPECT_EQ(TextOf(GetDlgItem(question, 0xFFFF)),
              "Are you sure you want to remove the button group and all it's macros?");
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    // The node goes after the save: reading the file while Tovanix replaces
    // it would make the save fail.
    EXPECT_TRUE(WaitFor([&] { return TreeView_GetCount(tovanix.Tree()) == 1u; }, 3000));
    EXPECT_FALSE(Contains(tovanix.CommandFile(), "Player"));
    EXPECT_FALSE(Contains(tovanix.CommandFile(), "NAME:Play\r\n"));

    // A general macro goes without a question.
    ASSERT_TRUE(tovanix.SelectNode(0));
    tovanix.Command(IDM_DELETE);
    EXPECT_EQ(tovanix.CommandFile(), "");
    EXPECT_EQ(tovanix.MessageBoxWindow(), nullptr);
}

TEST_F(ProgramTest, HiddenMacroLeavesTheTreeUntilHiddenMacrosAreShown) {
    WriteSetting(setting::ShowHidden, 0);
    TovanixProgram& tovanix = Start(Macro("M1", "Alpha", "ENTER") + Macro("M2", "Beta", "TAB"));
    ASSERT_TRUE(WaitUntilShown());
    ASSERT_TRUE(tovanix.SelectNode(0));
    tovanix.Command(IDM_HIDE);
    EXPECT_EQ(TreeView_GetCount(tovanix.Tree()), 1u);
    // Hiding waits for the next change to reach the file.
    EXPECT_TRUE(Contains(tovanix.CommandFile(), "NAME:Alpha\r\n") &&
                !Contains(tovanix.CommandFile(), "HIDDEN:1"));
    ASSERT_TRUE(tovanix.SelectNode(0));
    tovanix.Command(IDM_DISABLE);
    EXPECT_TRUE(Contains(tovanix.CommandFile(), "HIDDEN:1"));

    HWND showHidden = GetDlgItem(tovanix.MainWindow(), IDC_MAIN_HIDDEN);
    SendMessageA(showHidden, BM_CLICK, 0, 0);
    EXPECT_EQ(TreeView_GetCount(tovanix.Tree()), 2u);
    EXPECT_EQ(ReadSetting(setting::ShowHidden), 1);
}

TEST_F(ProgramTest, CutMacroLeavesTheFileAndCanBePastedBack) {
    TovanixProgram& tovanix = Start(Group("A1", "Player") + Macro("M1", "Loose", "ENTER"));
    ASSERT_TRUE(WaitUntilShown());
    ASSERT_TRUE(tovanix.SelectNode(1));
    tovanix.Command(IDM_CUT);
    EXPECT_FALSE(Contains(tovanix.CommandFile(), "Loose"));
    ASSERT_TRUE(tovanix.SelectNode(0));
    tovanix.Command(IDM_PASTE);
    EXPECT_TRUE(Contains(tovanix.CommandFile(), "NAME:Loose\r\nAPPID:A1\r\n"));
}

TEST_F(ProgramTest, CutOnAGroupDoesNothing) {
    TovanixProgram& tovanix = Start(Group("A1", "Player"));
    ASSERT_TRUE(WaitUntilShown());
    ASSERT_TRUE(tovanix.SelectNode(0));
    tovanix.Command(IDM_CUT);
    EXPECT_TRUE(Contains(tovanix.CommandFile(), "NAME:Player"));
}

TEST_F(ProgramTest, CopiedMacroPastedIntoAGroup) {
    TovanixProgram& tovanix = Start(Group("A1", "Player") + Macro("M1", "Zoom", "CTRL+PLUS", "", "KEY_ZOOM"));
    ASSERT_TRUE(WaitUntilShown());
    ASSERT_TRUE(tovanix.SelectNode(1));
    tovanix.Command(IDM_COPY);
    ASSERT_TRUE(tovanix.SelectNode(0));
    tovanix.Command(IDM_PASTE);
    const std::string file = tovanix.CommandFile();
    // The copy joins the group; a general macro's command would clash with
    // it there, so the copy leaves its command behind.
    EXPECT_TRUE(Contains(file, "NAME:Zoom\r\nAPPID:A1\r\nIRCOMMAND:\r\nCOMMANDS:CTRL+PLUS\r\n"));
    EXPECT_TRUE(Contains(file, "ID:M1\r\nNAME:Zoom\r\nAPPID:\r\n"));
}

TEST_F(ProgramTest, FailedSaveKeepsTheOldFileAndSaysWhichFile) {
    TovanixProgram& tovanix = Start(Macro("M1", "Play", "ENTER"));
    ASSERT_TRUE(WaitUntilShown());
    const std::string before = tovanix.CommandFile();
    // Another program holds the file open and lets nobody replace it.
    const std::string path = tovanix.Folder() + "TOVANIX.CMD";
    HANDLE held =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(tovanix.SelectNode(0));
    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_DISABLE, 0);
    HWND error = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (error = tovanix.MessageBoxWindow()) != nullptr; }, 3000));
    EXPECT_TRUE(Contains(TextOf(GetDlgItem(error, 0xFFFF)), "TOVANIX.CMD"));
    PostMessageA(error, WM_COMMAND, IDOK, 0);
    CloseHandle(held);
    EXPECT_EQ(tovanix.CommandFile(), before);
}

TEST_F(ProgramTest, EnablingAnItemWhoseButtonIsTakenNamesBothAndKeepsItDisabled) {
    std::string disabled = Macro("M2", "Also play", "TAB", "", "KEY_OK");
    disabled.replace(disabled.find("DISABLED:0"), 10, "DISABLED:1");
    TovanixProgram& tovanix = Start(Macro("M1", "Play", "ENTER", "", "KEY_OK") + disabled);
    ASSERT_TRUE(WaitUntilShown());
    const std::string before = tovanix.CommandFile();
    ASSERT_TRUE(tovanix.SelectNode(0));  // "Also play", first by name
    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_DISABLE, 0);
    HWND message = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (message = tovanix.MessageBoxWindow()) != nullptr; }, 3000));
    const std::string text = TextOf(GetDlgItem(message, 0xFFFF));
    EXPECT_TRUE(Contains(text, "\"Also play\"") && Contains(text, "\"Play\"")) << text;
    PostMessageA(message, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(message); }, 3000));
    EXPECT_EQ(tovanix.CommandFile(), before);
    EXPECT_TRUE(Contains(tovanix.CommandFile(), "ID:M2\r\nNAME:Also play\r\n"));
}

// Waits for the program's message box and returns its caption and text.
std::pair<std::string, std::string> AwaitMessage(TovanixProgram& tovanix, HWND& box, DWORD timeoutMs = 8000) {
    box = nullptr;
    if (!WaitFor([&] { return (box = tovanix.MessageBoxWindow()) != nullptr; }, timeoutMs)) return {};
    return {TextOf(box), TextOf(GetDlgItem(box, 0xFFFF))};
}

TEST_F(ProgramTest, HandEditedIDsAndLostGroupsAreToldOnceAtStartAndTheLinksKept) {
    WriteWholeFile(folder.path() + "TOVANIX.CMD.tmp", "ID:M1\r\nNA");  // a save cut short
    WriteWholeFile(folder.path() + "BTNLIST.TXT.tmp", "ID:1\r\n");
    TovanixProgram& tovanix =
        Start(Group("A01", "Player", "", "M07") + Macro("M07", "Start", "ENTER", "A01") +
              Group("A01", "Editor") + Macro("M2", "Type", "TAB", "A01") + Macro("M3", "Lost", "TAB", "A9"));
    HWND box = nullptr;
    std::string caption, text;
    std::tie(caption, text) = AwaitMessage(tovanix, box);
    EXPECT_EQ(caption, "Tovanix");
    EXPECT_TRUE(Contains(text, "Button group \"Player\": A01 is now A1\n")) << text;
    EXPECT_TRUE(Contains(text, "Macro \"Start\": M07 is now M7\n")) << text;
    EXPECT_TRUE(Contains(text, "Button group \"Editor\": A01 is now A2 (A01 belongs to an earlier item)\n"))
        << text;
    EXPECT_TRUE(Contains(text, "Macro \"Lost\" (M3): group A9\n")) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilShown());
    EXPECT_EQ(tovanix.MessageBoxWindow(), nullptr);
    EXPECT_EQ(GetFileAttributesA((folder.path() + "TOVANIX.CMD.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((folder.path() + "BTNLIST.TXT.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(tovanix.NodeText(2), "Lost");  // among the general macros

    ASSERT_TRUE(tovanix.SelectNode(0));
    tovanix.Command(IDM_DISABLE);
    const std::string file = tovanix.CommandFile();
    EXPECT_TRUE(Contains(file, "ID:A1\r\nNAME:Player\r\nIRCOMMAND:\r\nMACROID:M7\r\n")) << file;
    EXPECT_TRUE(Contains(file, "ID:M7\r\nNAME:Start\r\nAPPID:A1\r\n")) << file;
    EXPECT_TRUE(Contains(file, "ID:A2\r\nNAME:Editor\r\n")) << file;
    EXPECT_TRUE(Contains(file, "ID:M2\r\nNAME:Type\r\nAPPID:A2\r\n")) << file;
    EXPECT_TRUE(Contains(file, "ID:M3\r\nNAME:Lost\r\nAPPID:\r\n")) << file;
    EXPECT_EQ(tovanix.MessageBoxWindow(), nullptr);
}

// 10,001 macros: the last two have no ID left and stay in the file until
// the user allows a save over it.
TEST_F(ProgramTest, AFileBeyondTheIDsIsToldAndNotSavedOverUntilAllowed) {
    std::string commandFile;
    for (int n = 1; n <= 10001; ++n) commandFile += "ID:M" + std::to_string(n) + "\r\nNAME:Macro\r\n";
    TovanixProgram& tovanix = Start(commandFile);
    HWND box = nullptr;
    std::string caption, text;
    // Reading and showing 10,000 items takes seconds under Wine, more on a busy machine.
    std::tie(caption, text) = AwaitMessage(tovanix, box, 30000);
    EXPECT_EQ(caption, "Tovanix");
    EXPECT_TRUE(Contains(text,
                         "TOVANIX.CMD\" holds 10,001 items, more than Tovanix can keep (at most 9,999 "
                         "button groups and 9,999 macros). 2 items were not loaded."))
        << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilShown());

    for (int answer : {IDNO, IDYES}) {
        ASSERT_TRUE(tovanix.SelectNode(0));
        PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_DISABLE, 0);
        std::tie(caption, text) = AwaitMessage(tovanix, box);
        EXPECT_EQ(caption, "Tovanix");
        EXPECT_TRUE(Contains(text, "holds 2 items that Tovanix could not load.")) << text;
        EXPECT_TRUE(Contains(text, "Save anyway?")) << text;
        PostMessageA(box, WM_COMMAND, answer, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, 3000));
        // Read once the save is over.
        Sleep(500);
        if (answer == IDNO) {
            EXPECT_EQ(tovanix.CommandFile(), commandFile);
        }
    }
    const std::string saved = tovanix.CommandFile();
    EXPECT_FALSE(Contains(saved, "ID:M10000\r\n"));
    EXPECT_TRUE(Contains(saved, "ID:M9999\r\nNAME:Macro\r\nAPPID:\r\n"));
    // Allowed once, later changes save without a question.
    ASSERT_TRUE(tovanix.SelectNode(0));
    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_DISABLE, 0);
    Sleep(500);
    EXPECT_EQ(tovanix.MessageBoxWindow(), nullptr);
}

// Answers the open or save dialog of the program with a file name.
bool ChooseFile(TovanixProgram& tovanix, const std::string& path) {
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = tovanix.DialogWindow()) != nullptr; }, 5000)) return false;
    HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
    if (!name) name = GetDlgItem(dialog, 0x480);
    if (HWND edit = FindWindowExA(name, nullptr, "Edit", nullptr)) name = edit;
    if (!name) return false;
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return WaitFor([&] { return !IsWindow(dialog); }, 5000);
}

TEST_F(ProgramTest, ExportAndImportThroughTheMenus) {
    TovanixProgram& tovanix =
        Start(Group("A1", "Player", "KEY_RED", "M1") + Macro("M1", "Start", "ENTER", "A1") +
              Macro("M2", "Stop", "TAB", "A1", "KEY_STOP"));
    ASSERT_TRUE(WaitUntilShown());
    ASSERT_TRUE(tovanix.SelectNode(0));
    const std::string exported = folder.path() + "player.cmd";
    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_EXPORT, 0);
    ASSERT_TRUE(ChooseFile(tovanix, exported));
    ASSERT_TRUE(WaitFor([&] { return !ReadWholeFile(exported).empty(); }, 3000));
    const std::string text = ReadWholeFile(exported);
    EXPECT_TRUE(Contains(text, "ID:A1\r\nNAME:Player\r\nIRCOMMAND:\r\nMACROID:M1\r\n"));
    EXPECT_TRUE(Contains(text, "ID:M2\r\nNAME:Stop\r\nAPPID:A1\r\nIRCOMMAND:\r\n"));

    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_IMPORT, 0);
    ASSERT_TRUE(ChooseFile(tovanix, exported));
    // The copies get new IDs and no remote buttons, and reach the command file.
    ASSERT_TRUE(WaitFor([&] { return Contains(tovanix.CommandFile(), "ID:A2\r\nNAME:Player\r\n"); }, 3000));
    const std::string file = tovanix.CommandFile();
    EXPECT_TRUE(Contains(file, "ID:A2\r\nNAME:Player\r\nIRCOMMAND:\r\nMACROID:M3\r\n"));
    EXPECT_TRUE(Contains(file, "ID:M3\r\nNAME:Start\r\nAPPID:A2\r\n"));
    EXPECT_TRUE(Contains(file, "ID:M4\r\nNAME:Stop\r\nAPPID:A2\r\nIRCOMMAND:\r\n"));
    EXPECT_TRUE(Contains(file, "ID:A1\r\nNAME:Player\r\nIRCOMMAND:KEY_RED\r\n"));
}

TEST_F(ProgramTest, ACommandFileThatCannotBeReadAtStartIsToldAndNotSavedOver) {
    const std::string original = Macro("M1", "Play", "ENTER");
    program = std::make_unique<TovanixProgram>(folder);
    program->WriteCommandFile(original);
    // Another program holds the file and lets nobody read it.
    const std::string path = folder.path() + "TOVANIX.CMD";
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(program->Start());
    HWND box = nullptr;
    std::string caption, text;
    std::tie(caption, text) = AwaitMessage(*program, box);
    EXPECT_TRUE(Contains(text, "TOVANIX.CMD\" could not be read")) << text;
    CloseHandle(held);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilShown());

    // The first change would save the empty store over the file: asked first.
    const std::string imported = folder.path() + "more.cmd";
    WriteWholeFile(imported, Macro("M1", "Stop", "TAB"));
    PostMessageA(program->MainWindow(), WM_COMMAND, IDM_IMPORT, 0);
    ASSERT_TRUE(ChooseFile(*program, imported));
    std::tie(caption, text) = AwaitMessage(*program, box);
    EXPECT_TRUE(Contains(text, "could not be read when Tovanix started") && Contains(text, "Save anyway?"))
        << text;
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, 3000));
    Sleep(500);
    EXPECT_EQ(program->CommandFile(), original);
}

// Two copies on one folder would each save their own items over its file.
TEST_F(ProgramTest, ASecondStartFromTheSameFolderShowsTheRunningCopyAndEnds) {
    TovanixProgram& tovanix = Start(Macro("M1", "Play", "ENTER"));
    ASSERT_TRUE(WaitUntilShown());
    PostMessageA(tovanix.MainWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(tovanix.MainWindow()); }, 3000));
    // The folder written in other letters, as another shortcut may have it.
    std::string folderInOtherLetters = tovanix.Folder();
    CharLowerA(folderInOtherLetters.data());
    EXPECT_EQ(RunProgram(folderInOtherLetters + "Tovanix.exe", ""), 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(tovanix.MainWindow()); }, 3000));
    EXPECT_TRUE(tovanix.Running());
}

TEST_F(ProgramTest, ClosingIsRefusedWhileStartingUp) {
    TovanixProgram& tovanix = Start("");
    ASSERT_FALSE(IsWindowVisible(tovanix.MainWindow()));
    PostMessageA(tovanix.MainWindow(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntilShown());
    EXPECT_TRUE(tovanix.Running());
    EXPECT_TRUE(tovanix.Close());
}

TEST_F(ProgramTest, ClosingSavesThePosition) {
    TovanixProgram& tovanix = Start("");
    ASSERT_TRUE(WaitUntilShown());
    SetWindowPos(tovanix.MainWindow(), nullptr, 120, 90, 296, 400, SWP_NOZORDER);
    ASSERT_TRUE(tovanix.Close());
    EXPECT_EQ(ReadIntSetting("Left", -1), 120);
    EXPECT_EQ(ReadIntSetting("Top", -1), 90);
    EXPECT_EQ(ReadSetting(setting::Height), 400);
}

// Windows keeps a window no taller than the screen: its title bar must stay on the work area.
TEST_F(ProgramTest, AStoredHeightBeyondTheScreenOpensTheWindowOnTheWorkArea) {
    WriteSetting(setting::Height, 32767);
    TovanixProgram& tovanix = Start("");
    ASSERT_TRUE(WaitUntilShown());
    RECT work, rect;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ASSERT_TRUE(GetWindowRect(tovanix.MainWindow(), &rect));
    EXPECT_TRUE(rect.top >= work.top && rect.bottom <= work.bottom);
}

TEST_F(ProgramTest, SenderPressRunsAMacroOfTheLoadedFile) {
    TestWindow witness("Press witness");
    WriteStartSetting(true);
    TovanixProgram& tovanix =
        Start(Macro("M1", "Witness", "SENDMESSAGE:1031:1:2", "", "KEY_OK", "Press witness"));
    ASSERT_TRUE(WaitFor([&] { return tovanix.Caption() == "Tovanix - receiving"; }, 9000));
    EXPECT_EQ(RunProgram(tovanix.Folder() + "tovsend.exe", "KEY_OK"), 0);
    EXPECT_TRUE(WaitFor([&] { return !witness.userMessages.empty(); }, 3000));
    EXPECT_EQ(witness.userMessages, (std::vector<std::string>{"1031 1 2"}));
}

TEST_F(ProgramTest, AfterAResumeTheReceiverIsOpenedAgainAndTheNextPressWorks) {
    TestWindow witness("Press witness");
    WriteStartSetting(true);
    TovanixProgram& tovanix =
        Start(Macro("M1", "Witness", "SENDMESSAGE:1031:1:2", "", "KEY_OK", "Press witness"));
    ASSERT_TRUE(WaitFor([&] { return tovanix.Caption() == "Tovanix - receiving"; }, 9000));
    PostMessageA(tovanix.MainWindow(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_TRUE(WaitFor([&] { return tovanix.Caption() == "Tovanix - not receiving"; }, 3000));
    ASSERT_TRUE(WaitFor([&] { return tovanix.Caption() == "Tovanix - receiving"; }, 5000));
    EXPECT_EQ(RunProgram(tovanix.Folder() + "tovsend.exe", "KEY_OK"), 0);
    EXPECT_TRUE(WaitFor([&] { return !witness.userMessages.empty(); }, 3000));
}

// Group An, its start macro naming its program, its KEY_OK macro posting 1025 n to the window in front.
std::string FollowedGroup(const std::string& n, const std::string& file, bool launch) {
    std::string start = Macro("M" + n + "0", "Start " + n, launch ? "LAUNCH:" + file : "");
    if (!launch) start.replace(start.find("TARGETFILE:"), 11, "TARGETFILE:" + file);
    return Group("A" + n, "Group " + n, "", "M" + n + "0") + start +
           Macro("M" + n + "1", "Ok " + n, "SENDMESSAGE:1025:" + n + ":0", "A" + n, "KEY_OK");
}

TEST_F(ProgramTest, TheProgramInFrontSelectsTheGroupOfTheNextPress) {
    const std::string other = folder.path() + "other_target.exe";
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "target_window.exe").c_str(), other.c_str(), FALSE));
    WriteStartSetting(true);
    WriteSetting(setting::FollowForeground, 1);
    WriteSetting(setting::OSD, 1);
    WriteSetting(setting::OSDTime, 0);  // the names stay on screen
    TovanixProgram& tovanix =
        Start(FollowedGroup("1", "target_window.exe", false) + FollowedGroup("2", "other_target.exe", true));
    ASSERT_TRUE(WaitFor([&] { return tovanix.Caption() == "Tovanix - receiving"; }, 9000));
    // To the front, its group's name, OK. Wine 8 raises no foreground event: the test does, as Windows.
    const auto press = [&](TargetProgram& front, const std::string& group) {
        SetForegroundWindow(front.window());
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == front.window(); }, 2000));
        NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, front.window(), OBJID_WINDOW, CHILDID_SELF);
        ASSERT_TRUE(WaitFor([&] { return FindWindowA("TdlgOSD", group.c_str()) != nullptr; }, 3000)) << group;
        ASSERT_EQ(RunProgram(tovanix.Folder() + "tovsend.exe", "KEY_OK"), 0);
        WaitFor([&] { return !front.UserMessages().empty(); }, 3000);
    };
    TargetProgram first("First program", 100, 100);
    press(first, "Group 1");
    TargetProgram second("Second program", 300, 100, other);
    press(second, "Group 2");
    EXPECT_EQ(first.UserMessages(), (std::vector<std::string>{"1025 1 0"}));
    EXPECT_EQ(second.UserMessages(), (std::vector<std::string>{"1025 2 0"}));
}

TEST(MainMenu, EveryShortcutShownRunsItsItem) {
    const HMODULE tovanix = LoadLibraryExA((TestProgramFolder() + "Tovanix.exe").c_str(), nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(tovanix, nullptr);
    const HACCEL table = LoadAcceleratorsA(tovanix, MAKEINTRESOURCEA(IDA_MAIN));
    std::vector<ACCEL> keys(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, keys.data(), static_cast<int>(keys.size()));
    // Each key as the menus write it: "Ctrl+X", "Ctrl+Del", "F1".
    std::map<std::string, UINT> commandOf;
    for (const ACCEL& key : keys) {
        const std::string name = key.key == VK_DELETE ? "Del"
                                 : key.key >= VK_F1 && key.key <= VK_F12
                                     ? "F" + std::to_string(key.key - VK_F1 + 1)
                                     : std::string(1, static_cast<char>(key.key));
        commandOf[(key.fVirt & FCONTROL ? "Ctrl+" : "") + name] = key.cmd;
    }
    const HMENU menu = LoadMenuA(tovanix, MAKEINTRESOURCEA(IDM_MAINMENU));
    int shown = 0;
    for (int top = 0; top < GetMenuItemCount(menu); ++top) {
        const HMENU popup = GetSubMenu(menu, top);
        for (int item = 0; item < GetMenuItemCount(popup); ++item) {
            char text[128] = "";
            GetMenuStringA(popup, item, text, sizeof text, MF_BYPOSITION);
            const std::string caption = text;
            if (caption.find('\t') == std::string::npos) continue;
            ++shown;
            EXPECT_EQ(commandOf[caption.substr(caption.find('\t') + 1)], GetMenuItemID(popup, item))
                << caption;
        }
    }
    EXPECT_GT(shown, 10);
    DestroyMenu(menu);
    FreeLibrary(tovanix);
}

}  // namespace
