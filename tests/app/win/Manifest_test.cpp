// Tovanix.exe's manifest, which this test program carries as well: it must
// bring the common controls of version 6 and per-monitor DPI awareness, and
// Tovanix.exe must carry exactly this one.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "core/win/CommonControls.h"
#include "tests/support/WinTestSupport.h"

namespace {

std::string ManifestOf(HMODULE module) {
    const HRSRC found = FindResourceA(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    if (!found) return "";
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return bytes ? std::string(bytes, SizeofResource(module, found)) : "";
}

template <class Proc>
Proc User32Proc(const char* name) {
    return reinterpret_cast<Proc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

// Wine's comctl32 reports version 5.81 from DllGetVersion in either copy, so
// the test asks where the library came from and whose buttons the program gets.
TEST(Manifest, LoadsTheCommonControlsOfVersion6) {
    RegisterCommonControls(ICC_STANDARD_CLASSES);
    const HMODULE comctl = GetModuleHandleA("comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    char file[MAX_PATH] = "";
    GetModuleFileNameA(comctl, file, MAX_PATH);
    CharLowerA(file);
    EXPECT_NE(std::string(file).find("\\winsxs\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::string::npos)
        << file;
    // Version 6 brings the buttons, edits and lists in the look of Windows.
    // (only theirs know BCM_GETIDEALSIZE).
    const HWND button =
        CreateWindowExA(0, "Button", "OK", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    SIZE ideal{};
    EXPECT_TRUE(SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    EXPECT_GT(ideal.cx, 0);
    DestroyWindow(button);
}

// Wine treats every program as per-monitor aware, with or without a
// manifest; Windows only with one that says so, which the next test checks.
TEST(Manifest, MakesTheProgramPerMonitorDpiAware) {
    EXPECT_TRUE(IsProcessDPIAware());
    using GetContextProc = HANDLE(WINAPI*)();
    using GetAwarenessProc = int(WINAPI*)(HANDLE);
    const auto getContext = User32Proc<GetContextProc>("GetThreadDpiAwarenessContext");
    const auto getAwareness = User32Proc<GetAwarenessProc>("GetAwarenessFromDpiAwarenessContext");
    ASSERT_TRUE(getContext && getAwareness);
    const int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE
    EXPECT_EQ(getAwareness(getContext()), kPerMonitorAware);
}

TEST(Manifest, IsTheOneTovanixCarriesAndSaysWhatItNeeds) {
    const std::string own = ManifestOf(GetModuleHandleA(nullptr));
    const char* const kNeeded[] = {
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "<requestedExecutionLevel level=\"asInvoker\"",
        ">true/pm</dpiAware>",
        ">PerMonitorV2,PerMonitor</dpiAwareness>",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
    };
    for (const char* needed : kNeeded) EXPECT_NE(own.find(needed), std::string::npos) << needed;
    const HMODULE tovanix = LoadLibraryExA((TestProgramFolder() + "Tovanix.exe").c_str(), nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(tovanix, nullptr);
    EXPECT_EQ(ManifestOf(tovanix), own);
    FreeLibrary(tovanix);
}

}  // namespace
