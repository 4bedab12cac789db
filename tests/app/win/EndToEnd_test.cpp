// A button pressed with the sender tool reaches the local receiver, the
// dispatch finds its macro in the item store and the keys arrive in a window.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/Settings.h"
#include "receiver/tovdrv.h"
#include "tests/app/win/WinExecutorFixture.h"
#include "tests/support/WinTestSupport.h"

namespace {

std::vector<DWORD> keysDown;

LRESULT CALLBACK RecordKeysDown(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_KEYDOWN)
        keysDown.push_back(reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class EndToEnd : public WinExecutorFixture {
  protected:
    void SetUp() override {
        // The test program is not Tovanix.exe: the driver libraries are
        // looked up in the current folder.
        GetCurrentDirectoryA(MAX_PATH, previousFolder_);
        SetCurrentDirectoryA(TestProgramFolder().c_str());
        WriteSetting(setting::Driver, "");
        ASSERT_TRUE(DRV_Init());
        ASSERT_TRUE(DRV_Activate());
        DRV_SetPause(false);
        DRV_SetIRCommandProc(TIRCommandProc{&EndToEnd::Receive, &dispatcher});
    }
    void TearDown() override {
        DRV_Deactivate();
        DRV_Close();
        SetCurrentDirectoryA(previousFolder_);
    }

    static void Receive(void* context, const char* command) {
        static_cast<Dispatcher*>(context)->ReceiveIRCommand(command);
    }

    int Send(const std::string& arguments) {
        return RunProgram(TestProgramFolder() + "tovsend.exe", arguments);
    }

    char previousFolder_[MAX_PATH] = "";
};

TEST_F(EndToEnd, SenderPressRunsTheMacroFromTheStore) {
    AddMacro("TYPE:Hello from the remote", "", "", "KEY_OK");
    AddMacro("TYPE:wrong", "", "", "KEY_OTHER");
    ASSERT_EQ(Send("KEY_OK"), 0);
    PumpMessages(300);
    EXPECT_EQ(target.EditText(), "Hello from the remote");
}

TEST_F(EndToEnd, UnknownButtonDoesNothing) {
    AddMacro("TYPE:x", "", "", "KEY_OK");
    ASSERT_EQ(Send("KEY_NOTHING"), 0);
    PumpMessages(200);
    EXPECT_EQ(target.EditText(), "");
}

// mediakeys.dll sits in the program folder, as the installer puts it.
TEST_F(EndToEnd, APluginCommandRunsInItsLibrary) {
    AddMacro("mediakeys:NEXT", "", "", "KEY_OK");
    keysDown.clear();
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, RecordKeysDown, GetModuleHandleA(nullptr), 0);
    ASSERT_NE(hook, nullptr);
    ASSERT_EQ(Send("KEY_OK"), 0);
    PumpMessages(300);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(keysDown, std::vector<DWORD>{VK_MEDIA_NEXT_TRACK});
}

}  // namespace
