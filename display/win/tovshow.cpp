// The exports of tovshow.dll. Loading and releasing the library does no work
// of its own: the settings dialog loads every library of the program folder
// to look for receiver drivers. An export that fails gives its "nothing"
// answer.
#include "display/tovshow.h"

#include <cstring>
#include <string>

#include "core/Guarded.h"
#include "core/Records.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/win/SystemKeyboardLayout.h"
#include "display/OSDStyle.h"
#include "display/win/ProcessNames.h"
#include "display/win/SystemDesktop.h"
#include "display/win/TdlgBtnPanel.h"
#include "display/win/TdlgChoose.h"
#include "display/win/TdlgOSD.h"
#include "display/win/TdlgShowLearn.h"

namespace {

constexpr std::size_t kFileNameSize = 81;
constexpr std::size_t kClassNameSize = 256;

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    // Released by FreeLibrary (not at process end): the display's window
    // class goes with the code of its window procedure.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        TdlgOSD::UnregisterClass();
        TdlgChoose::UnregisterClass();
        TdlgBtnPanel::UnregisterClass();
    }
    return TRUE;
}

extern "C" {

TOVSHOW_API void showCommand(const TOSDText text) { showCommandNear(text, nullptr); }

TOVSHOW_API void showCommandNear(const TOSDText text, HWND window) {
    Guarded([&] {
        if (ReadSetting(setting::OSD) == 1) TdlgOSD::Show(OSDTextOf(text), ReadOSDStyle(), window);
    });
}

TOVSHOW_API void chooseAndExecuteCommand(TMacroRecord* macro, TExecuteProc execute, TIRCommandProc previous) {
    Guarded([&] { TdlgChoose::Show(macro, execute, previous); });
}

TOVSHOW_API void showCommands(const char* id) {
    Guarded([&] {
        TItemID item;
        CopyItemID(item, id);
        ShowLearntCommands(item, GetActiveWindow());
    });
}

TOVSHOW_API void showButtonPanel(TPanelWindowProc panelWindowProc, TRunItemProc runItemProc) {
    Guarded([&] { TdlgBtnPanel::Show(panelWindowProc, runItemProc); });
}

TOVSHOW_API char* getApplicationFileName(HWND window) {
    return Guarded<char*>(nullptr, [&]() -> char* {
        const std::optional<std::string> fileName = ProgramFileOfWindow(window);
        if (!fileName) return nullptr;
        char* copy = new char[fileName->size() + 1];
        std::memcpy(copy, fileName->c_str(), fileName->size() + 1);
        return copy;
    });
}

TOVSHOW_API void freeApplicationFileName(char* fileName) { delete[] fileName; }

TOVSHOW_API HWND getOwnerParent(HWND window) {
    return Guarded(window, [&] { return AsHwnd(TopOwnerParent(SystemDesktop(), AsHandle(window))); });
}

TOVSHOW_API bool getRunningAppHandle(HWND window, const char* fileName, const char* className, HWND* found) {
    return Guarded(false, [&] {
        if (found) *found = nullptr;
        const RunningApp app =
            FindRunningApp(SystemDesktop(), AsHandle(window), FixedText(fileName, kFileNameSize),
                           FixedText(className, kClassNameSize));
        if (found) *found = AsHwnd(app.found);
        return app.matched;
    });
}

TOVSHOW_API int getWindowsVersion(void) { return WindowsPlatform(); }

TOVSHOW_API bool isCtrlKey(const char* text) {
    return text && LayoutNeedsCtrl(CurrentKeyboardLayout(), text);
}

TOVSHOW_API bool isAltKey(const char* text) { return text && LayoutNeedsAlt(CurrentKeyboardLayout(), text); }

TOVSHOW_API bool isShiftKey(const char* text) {
    return text && LayoutNeedsShift(CurrentKeyboardLayout(), text);
}
}
