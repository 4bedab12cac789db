// tovedit's learn and macro exports through the real DLL: the item store of tovdata.dll,
// the receiver driver tovdrv.dll with the local receiver, and presses from
// the sender tool, while the test drives the dialog on its own thread.
#include "editing/tovedit.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editing/win/TdlgLearnRes.h"
#include "editing/win/TdlgMacroRes.h"
#include "receiver/tovdrv.h"
#include "store/tovdata.h"
#include "tests/support/DialogScript.h"
#include "tests/support/DialogScriptSteps.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/StoreTestItems.h"
#include "tests/support/WinTestSupport.h"

namespace {

constexpr const char* kSamplingTip =
    "Execute command with the remote controller device until progress bar reaches 100%!";

std::string Text(HWND dialog, int id) {
    char text[512] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

using Step = DialogScript::Step;
using steps::Wait;

Step AwaitSampling() {
    return [](HWND dialog) { return Text(dialog, IDC_LEARN_LBLTIP) == kSamplingTip; };
}
Step AwaitLabel(const std::string& label) {
    return [=](HWND dialog) { return Text(dialog, IDC_LEARN_LBLBUTTON) == label; };
}
Step SetButtons(const char* count) {
    return [=](HWND dialog) { return SetDlgItemTextA(dialog, IDC_LEARN_TXTBUTTONS, count) != 0; };
}
Step Press(const std::string& button, int times) {
    return [=](HWND) {
        std::string buttons = button;
        for (int i = 1; i < times; ++i) buttons += " " + button;
        EXPECT_EQ(RunProgram(TestProgramFolder() + "tovsend.exe", buttons), 0);
        return true;
    };
}

class LearnExport : public ::testing::Test {
  protected:
    void SetUp() override {
        // The test program is not Tovanix.exe: the driver libraries are
        // looked up in the current folder.
        GetCurrentDirectoryA(MAX_PATH, previousFolder_);
        SetCurrentDirectoryA(TestProgramFolder().c_str());
    }
    void TearDown() override {
        DRV_Close();
        int position = -1;
        while (const TMacroRecord* macro = getNextMacro(&position, "", true)) {
            deleteItem(macro->ID);
            position = -1;
        }
        SetCurrentDirectoryA(previousFolder_);
    }

    char previousFolder_[MAX_PATH] = "";
};

TEST_F(LearnExport, ResultsAndWhatIsStored) {
    const std::string longA(128, 'A'), longB(128, 'B');
    const struct {
        const char* name;
        const char* driver;
        int sampleCount;
        const char* otherCommand;  // of the enabled macro M1
        const char* learnt;        // the ID learnt
        std::vector<Step> steps;
        int result;
        std::string stored;  // M2's command afterwards
        bool dialogShown;
    } cases[] = {
        {"one button", "", 5, "", "M2", {AwaitSampling(), Press("KEY_X", 5)}, kLearnt, "KEY_X", true},
        {"no such item", "", 5, "", "M7", {}, kNotLearnt, "", false},
        {"the store refuses a command that another item holds",
         "",
         5,
         "KEY_X",
         "M2",
         {AwaitSampling(), Press("KEY_X", 5)},
         kNotLearnt,
         "",
         true},
        {"a receiver that cannot be switched on ends a batch",
         "tovirman.dll",
         5,
         "",
         "M2",
         {},
         kBatchCancelled,
         "",
         true},
        {"a command too long for the record is cut",
         "",
         1,
         "",
         "M2",
         {SetButtons("7"), steps::ExpectText(IDC_LEARN_TXTBUTTONS, "4"), SetButtons("2"), AwaitSampling(),
          Press(longA, 1), AwaitLabel("Learn button 2/2"), Wait(1700), Press(longB, 1)},
         kLearnt,
         (longA + ";" + longB).substr(0, 254),
         true},
    };
    for (const auto& c : cases) {
        SettingOverride driver(setting::Driver, c.driver);
        SettingOverride port(setting::SerialPort, "COM9");
        SettingOverride samples(setting::SampleCount, c.sampleCount);
        ASSERT_TRUE(DRV_Init()) << c.name;
        const TMacroRecord other = MacroRecord("M1", "", c.otherCommand, "Other");
        const TMacroRecord learnt = MacroRecord("M2", "", "", "Learnt");
        ASSERT_TRUE(addMacro(&other) && addMacro(&learnt));

        DialogScript script(c.steps);
        EXPECT_EQ(learn(c.learnt, false), c.result) << c.name;
        EXPECT_EQ(script.done(), c.steps.size()) << c.name;
        EXPECT_EQ(script.shown(), c.dialogShown) << c.name;
        EXPECT_EQ(FieldText(getMacro("M2")->IRCommand), c.stored) << c.name;
        EXPECT_FALSE(DRV_IsActivated()) << c.name;
        TearDown();
        SetUp();
    }
}

TEST_F(LearnExport, LearnsAButtonPressedOnARemoteOfLircd) {
    Peers peers;
    ASSERT_TRUE(peers.ready());
    const std::string reply = peers.Command("lircd start");
    ASSERT_EQ(reply.substr(0, 3), "ok ") << reply;
    SettingOverride driver(setting::Driver, "tovnet.dll");
    SettingOverride host(setting::NetworkHost, "127.0.0.1");
    SettingOverride port(setting::NetworkPort, std::stoi(reply.substr(3)));
    SettingOverride samples(setting::SampleCount, 3);
    ASSERT_TRUE(DRV_Init());
    const TMacroRecord macro = MacroRecord("M2", "", "", "Learnt");
    ASSERT_TRUE(addMacro(&macro));

    // The receiver connects once the dialog has switched it on: the button
    // is pressed every 200 ms until the dialog has its samples and closes.
    auto lastPress = std::make_shared<DWORD>(0);
    const Step keepPressing = [&peers, lastPress](HWND) {
        if (GetTickCount() - *lastPress >= 200) {
            peers.Command("lircd send " + LircdLine("KEY_PLAY", 0));
            *lastPress = GetTickCount();
        }
        return false;
    };
    DialogScript script({AwaitSampling(), keepPressing});
    EXPECT_EQ(learn("M2", false), kLearnt);
    EXPECT_EQ(FieldText(getMacro("M2")->IRCommand), "testremote.KEY_PLAY");
    EXPECT_FALSE(DRV_IsActivated());
}

TEST_F(LearnExport, F1OpensTheHelpFileBesideTheProgramAtTheLearnTopic) {
    // The current folder is the program folder, which the build gives the help file.
    SettingOverride driver(setting::Driver, "");
    ASSERT_TRUE(DRV_Init());
    const TMacroRecord macro = MacroRecord("M2", "", "", "Learnt");
    ASSERT_TRUE(addMacro(&macro));
    RecordingBrowser browser;
    // A help that fails shows a message box: answered, the test fails instead of hanging.
    MessageBoxAnswerer answerer;

    const Step f1 = [](HWND dialog) {
        SetForegroundWindow(dialog);
        keybd_event(VK_F1, 0x3B, 0, 0);
        keybd_event(VK_F1, 0x3B, KEYEVENTF_KEYUP, 0);
        return true;
    };
    const Step cancel = [](HWND dialog) { return PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0) != 0; };
    DialogScript script({AwaitSampling(), f1, Wait(200), cancel});
    EXPECT_EQ(learn("M2", false), kNotLearnt);
    EXPECT_EQ(script.done(), 4u);
    EXPECT_EQ(browser.Arguments(), "Tovanix.html#Learn\n");
}

}  // namespace

class MacroExports : public LearnExport {};

TEST_F(MacroExports, OpenTheMacroEditorWhoseHelpIsTheMacroTopic) {
    const TMacroRecord macro = MacroRecord("M2", "", "", "Play");
    ASSERT_TRUE(addMacro(&macro));
    // The editor writes the plug-ins it finds beside the program.
    SettingOverride plugins(setting::Plugins, "");
    RecordingBrowser browser;
    const Step help = [](HWND dialog) {
        EXPECT_EQ(steps::WindowText(dialog), "Edit macro Play");
        return PostMessageA(dialog, WM_COMMAND, IDHELP, 0) != 0;
    };
    {
        DialogScript edit({help, Wait(200), steps::Click(IDCANCEL)});
        EXPECT_FALSE(editMacro("M2"));
        EXPECT_EQ(browser.Arguments(), "Tovanix.html#Macro\n");
    }
    DialogScript add({steps::Type(IDC_MACRO_TXTNAME, "Stop"), steps::Click(IDOK)});
    EXPECT_TRUE(addMacroInEditor(""));
    // As Tovanix finds the macro that was added.
    TItemID newest = "";
    getNewestItem(1, newest);
    const TMacroRecord* added = getMacro(newest);
    ASSERT_TRUE(added) << newest;
    EXPECT_EQ(FieldText(added->Name), "Stop");
}

TEST_F(MacroExports, LearnWaitsWhileTheReceiverIsActive) {
    SettingOverride driver(setting::Driver, "");
    SettingOverride plugins(setting::Plugins, "");
    ASSERT_TRUE(DRV_Init() && DRV_Activate());
    const TMacroRecord macro = MacroRecord("M2", "", "", "Play");
    ASSERT_TRUE(addMacro(&macro));
    DialogScript script({steps::ExpectEnabled(IDC_MACRO_BTNLEARN, false), steps::Click(IDCANCEL)});
    EXPECT_FALSE(editMacro("M2"));
    EXPECT_EQ(script.done(), 2u);
    DRV_Deactivate();
}
