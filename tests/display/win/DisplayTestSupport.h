// Helpers for the display library's tests under Wine: settings in the
// registry, the thread's on-screen displays and its message loop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/Settings.h"
#include "tests/support/WinTestSupport.h"

// The settings start empty and are removed again at the end.
class CleanSettings {
  public:
    CleanSettings() { Remove(); }
    ~CleanSettings() { Remove(); }
    CleanSettings(const CleanSettings&) = delete;
    CleanSettings& operator=(const CleanSettings&) = delete;

  private:
    static void Remove() { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale"); }
};

// The display windows of the calling thread, newest first: those on the
// screen, or also the hidden ones kept for the next display.
inline std::vector<HWND> OSDWindows(bool hiddenToo = false) {
    struct Found {
        bool hiddenToo;
        std::vector<HWND> windows;
    } found{hiddenToo, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) {
            auto& found = *reinterpret_cast<Found*>(context);
            char name[64] = "";
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) == "TdlgOSD" && (found.hiddenToo || IsWindowVisible(window)))
                found.windows.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

inline void CloseOSDWindows() {
    for (HWND window : OSDWindows(true)) DestroyWindow(window);
}

// Runs the thread's message loop for a while.
inline void PumpMessages(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    for (DWORD now = GetTickCount(); static_cast<LONG>(end - now) > 0; now = GetTickCount()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
}

// Runs the message loop until the window is gone from the screen (hidden or
// destroyed); the milliseconds that took, or -1 when it was still there after
// timeoutMs.
inline long MillisecondsUntilGone(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindowVisible(window)) {
        if (GetTickCount() - start > timeoutMs) return -1;
        PumpMessages(10);
    }
    return static_cast<long>(GetTickCount() - start);
}

inline RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// tovshow.dll copied into a folder of its own, without the process-name
// library beside it (or with the given file as that library).
class LibraryCopy {
  public:
    explicit LibraryCopy(const std::string& processNameLibrary = "") {
        const std::string bin = TestProgramFolder();
        CopyFileA((bin + "tovshow.dll").c_str(), (folder_.path() + "tovshow.dll").c_str(), FALSE);
        if (!processNameLibrary.empty())
            CopyFileA((bin + processNameLibrary).c_str(), (folder_.path() + "RXNT.DLL").c_str(), FALSE);
        module_ = LoadLibraryA((folder_.path() + "tovshow.dll").c_str());
    }
    ~LibraryCopy() {
        if (module_) FreeLibrary(module_);
    }
    LibraryCopy(const LibraryCopy&) = delete;
    LibraryCopy& operator=(const LibraryCopy&) = delete;

    HMODULE module() const { return module_; }

    template <typename Function>
    Function* Export(const char* name) const {
        return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
    }

  private:
    TempFolder folder_;
    HMODULE module_ = nullptr;
};
