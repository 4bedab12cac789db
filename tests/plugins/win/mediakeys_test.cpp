// mediakeys.dll as Tovanix meets it: loaded by path from the program folder,
// its name read, its dialog driven and its keys pressed.
#include "MediaKeys.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandPlugin.h"
#include "DialogScript.h"
#include "MediaKeyRes.h"
#include "WinTestSupport.h"

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

// What the low-level keyboard hook and the focused window saw.
std::vector<DWORD> hooked;
std::vector<std::string> received;

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        hooked.push_back(key->vkCode | (wParam == WM_KEYUP ? 0x10000 : 0));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_KEYUP)
        received.push_back((message == WM_KEYDOWN ? "down " : "up ") + std::to_string(wParam));
    if (message == WM_APPCOMMAND) received.push_back("app " + std::to_string(GET_APPCOMMAND_LPARAM(lParam)));
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(MediaKeysPlugin, Experiment) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ReceiverProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "MediaKeyReceiver";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("MediaKeyReceiver", "receiver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(window);
    SetFocus(window);
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0);
    printf("hook %p fg %d\n", (void*)hook, GetForegroundWindow() == window);
    MSG msg;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
    executePlugin("NEXT", window);
    for (int i = 0; i < 50; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    for (DWORD h : hooked) printf("hooked %lx\n", h);
    for (auto& r : received) printf("received %s\n", r.c_str());
    UnhookWindowsHookEx(hook);
    DestroyWindow(window);
}

}  // namespace
