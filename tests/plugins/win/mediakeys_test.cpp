// mediakeys.dll as Tovanix meets it: loaded by path from the program folder,
// its name read, its dialog driven and its keys pressed.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/win/CommandPlugin.h"
#include "plugins/mediakeys/win/TdlgMediaKeyRes.h"
#include "tests/support/DialogScript.h"
#include "tests/support/WinTestSupport.h"

namespace {

template <class Function>
Function Export(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

class MediaKeysPlugin : public ::testing::Test {
  protected:
    void SetUp() override {
        library_ = LoadLibraryA((TestProgramFolder() + "mediakeys.dll").c_str());
        ASSERT_NE(library_, nullptr);
        getPluginName = Export<TGetPluginName>(library_, kGetPluginNameExport);
        addPlugin = Export<TAddPlugin>(library_, kAddPluginExport);
        executePlugin = Export<TExecutePlugin>(library_, kExecutePluginExport);
        ASSERT_TRUE(getPluginName && addPlugin && executePlugin);
    }
    void TearDown() override { FreeLibrary(library_); }

    TGetPluginName getPluginName = nullptr;
    TAddPlugin addPlugin = nullptr;
    TExecutePlugin executePlugin = nullptr;

  private:
    HMODULE library_ = nullptr;
};

TEST_F(MediaKeysPlugin, Name) {
    char name[33];
    std::fill(std::begin(name), std::end(name), 'x');
    getPluginName(name);
    EXPECT_STREQ(name, "Media keys");
}

using Step = DialogScript::Step;

Step ChooseKey(int index) {
    return [=](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_MEDIAKEY_LIST, LB_SETCURSEL, index, 0);
        return true;
    };
}
Step Click(int id) {
    return [=](HWND dialog) {
        PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
        return true;
    };
}
Step DoubleClickKey() {
    return [](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_MEDIAKEY_LIST, LBN_DBLCLK),
                     LPARAM(GetDlgItem(dialog, IDC_MEDIAKEY_LIST)));
        return true;
    };
}

std::string Text(HWND dialog) {
    char text[64] = "";
    GetWindowTextA(dialog, text, sizeof text);
    return text;
}

TEST_F(MediaKeysPlugin, TheDialogChoosesTheParameter) {
    const struct {
        const char* name;
        std::vector<Step> steps;
        const char* parameters;
    } cases[] = {
        {"OK takes the first key", {Click(IDOK)}, "PLAYPAUSE"},
        {"a chosen key", {ChooseKey(2), Click(IDOK)}, "PREVIOUS"},
        {"the last key", {ChooseKey(6), Click(IDOK)}, "MUTE"},
        {"a double click", {ChooseKey(1), DoubleClickKey()}, "NEXT"},
        {"Cancel adds nothing", {ChooseKey(3), Click(IDCANCEL)}, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> shown;
        std::vector<Step> steps{[&](HWND dialog) {
            shown.push_back(Text(dialog));
            HWND list = GetDlgItem(dialog, IDC_MEDIAKEY_LIST);
            for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
                char item[64] = "";
                SendMessageA(list, LB_GETTEXT, i, LPARAM(item));
                shown.push_back(item);
            }
            return true;
        }};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        DialogScript script(steps);
        char parameters[256] = "";
        addPlugin(parameters);
        EXPECT_TRUE(script.shown()) << c.name;
        EXPECT_STREQ(parameters, c.parameters) << c.name;
        EXPECT_EQ(shown, (std::vector<std::string>{"Media key", "Play/pause", "Next track", "Previous track",
                                                   "Stop", "Volume up", "Volume down", "Mute"}))
            << c.name;
    }
}

// What a player would see: the keys pass the low-level keyboard hook, and
// the focused window gets them with the application command they stand for
// (Wine's DefWindowProc turns the media keys into WM_APPCOMMAND, as Windows
// does).
std::vector<std::string> hooked;
std::vector<int> commands;

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        hooked.push_back((wParam == WM_KEYUP ? "up " : "down ") + std::to_string(key->vkCode));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PlayerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APPCOMMAND) commands.push_back(GET_APPCOMMAND_LPARAM(lParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

TEST_F(MediaKeysPlugin, CommandsPressTheirKeys) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PlayerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "MediaKeysPlayer";
    RegisterClassA(&windowClass);
    HWND player = CreateWindowA("MediaKeysPlayer", "Player", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(player, nullptr);
    SetForegroundWindow(player);
    PumpMessages(200);
    ASSERT_EQ(GetForegroundWindow(), player);
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0);
    ASSERT_NE(hook, nullptr);

    const struct {
        const char* parameters;
        int key;      // 0: nothing is pressed
        int command;  // APPCOMMAND_...
    } cases[] = {
        {"PLAYPAUSE", VK_MEDIA_PLAY_PAUSE, APPCOMMAND_MEDIA_PLAY_PAUSE},
        {"NEXT", VK_MEDIA_NEXT_TRACK, APPCOMMAND_MEDIA_NEXTTRACK},
        {"PREVIOUS", VK_MEDIA_PREV_TRACK, APPCOMMAND_MEDIA_PREVIOUSTRACK},
        {"STOP", VK_MEDIA_STOP, APPCOMMAND_MEDIA_STOP},
        {"VOLUMEUP", VK_VOLUME_UP, APPCOMMAND_VOLUME_UP},
        {"VOLUMEDOWN", VK_VOLUME_DOWN, APPCOMMAND_VOLUME_DOWN},
        {"mute", VK_VOLUME_MUTE, APPCOMMAND_VOLUME_MUTE},
        {"PLAY", 0, 0},
        {"", 0, 0},
    };
    for (const auto& c : cases) {
        hooked.clear();
        commands.clear();
        executePlugin(c.parameters, player);
        PumpMessages(c.key ? 300 : 100);
        if (c.key) {
            EXPECT_EQ(hooked, (std::vector<std::string>{"down " + std::to_string(c.key),
                                                        "up " + std::to_string(c.key)}))
                << c.parameters;
            EXPECT_EQ(commands, std::vector<int>{c.command}) << c.parameters;
        } else {
            EXPECT_TRUE(hooked.empty() && commands.empty()) << c.parameters;
        }
    }
    UnhookWindowsHookEx(hook);
    DestroyWindow(player);
}

}  // namespace
