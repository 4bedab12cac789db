// Tovanix.exe: the main window and its message loop.
#include <windows.h>
#include <objbase.h>

#include "app/win/MainWindow.h"
#include "app/win/SingleInstance.h"
#include "core/win/CommonControls.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Libraries come from the program's and the system's folders only,
    // never from the current folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    SetDllDirectoryA("");

    const SingleInstance instanceOfFolder;
    if (!instanceOfFolder.First()) {
        instanceOfFolder.ShowRunningCopy();
        return 0;
    }

    RegisterCommonControls(ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    int result = 0;
    {
        TfrmMain main(instance);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            if (main.TranslateAccelerator(message)) continue;
            if (IsDialogMessageA(main.Handle(), &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        result = static_cast<int>(message.wParam);
    }
    CoUninitialize();
    return result;
}
