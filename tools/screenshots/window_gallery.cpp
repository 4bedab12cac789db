// window_gallery <output folder>: opens every window of Tovanix one after the
// other at the DPI the Wine prefix is set to and saves each as a BMP file in
// the output folder (tools/dpi-screenshots runs it for several DPIs). Runs
// from a program folder that holds Tovanix, its libraries and the samples.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/Records.h"
#include "core/Text.h"
#include "core/win/CommonControls.h"
#include "display/tovshow.h"
#include "editing/tovedit.h"
#include "tests/support/TestWindow.h"

namespace {

std::string outputFolder;
std::string programFolder;

// The window as the screen shows it, as a 24-bit BMP file.
void Save(HWND window, const std::string& name) {
    if (!window) {
        std::printf("%s: no window\n", name.c_str());
        return;
    }
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(400);
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{0x4D42,
                            static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info.bmiHeader + imageSize),
                            0, 0, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info.bmiHeader)};
    const std::string path = outputFolder + "\\" + name + ".bmp";
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&header, sizeof header, 1, file);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file);
        std::fwrite(bits, imageSize, 1, file);
        std::fclose(file);
        std::printf("%s: %dx%d\n", name.c_str(), width, height);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

HWND FindOwnWindow(const char* className) {
    struct Search {
        const char* className;
        HWND found;
    } search{className, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) {
            auto* search = reinterpret_cast<Search*>(context);
            char name[64] = "";
            GetClassNameA(window, name, sizeof name);
            if (lstrcmpiA(name, search->className) != 0 || !IsWindowVisible(window)) return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

INT_PTR CALLBACK QuietProcedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Every dialog template of the module, as its template lays it out.
void SaveTemplates(const char* file) {
    const HMODULE module = LoadLibraryExA((programFolder + file).c_str(), nullptr,
                                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    std::vector<std::string> names;
    EnumResourceNamesA(
        module, RT_DIALOG,
        [](HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
            reinterpret_cast<std::vector<std::string>*>(list)->push_back(
                IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&names));
    const std::string stem(file, std::string(file).find('.'));
    for (const std::string& name : names) {
        const HWND dialog = CreateDialogParamA(module, name.c_str(), nullptr, QuietProcedure, 0);
        ShowWindow(dialog, SW_SHOWNOACTIVATE);
        Save(dialog, stem + "-" + (name[0] == '#' ? name.substr(1) : name));
        DestroyWindow(dialog);
    }
    FreeLibrary(module);
}

// The modal dialog that the call opens, once it shows, then closed with Cancel.
std::function<void(HWND)> onDialog;
void SaveModal(const std::function<void()>& open, const std::function<void(HWND)>& save) {
    onDialog = save;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
        const HWND dialog = FindOwnWindow("#32770");
        if (!dialog || !onDialog) return;
        const auto save = onDialog;
        onDialog = nullptr;
        save(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    open();
    KillTimer(nullptr, timer);
}

void SaveSettingsPages() {
    SaveModal(
        [] { ChangeSettings(nullptr); },
        [](HWND dialog) {
            Save(dialog, "settings-display");
            const HWND tabs = FindWindowExA(dialog, nullptr, WC_TABCONTROLA, nullptr);
            TabCtrl_SetCurSel(tabs, 1);
            NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
            SendMessageA(dialog, WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
            Save(dialog, "settings-chooser");
        });
}

void SaveDisplays() {
    TOSDText text;
    CopyText(text, "Volume up");
    showCommand(text);
    Save(FindOwnWindow("TdlgOSD"), "osd");

    TMacroRecord macro{};
    CopyText(macro.ID, "G9999");
    CopyText(macro.Commands, "VOLUME UP,VOLUME DOWN,TOGGLE MUTE");
    chooseAndExecuteCommand(&macro, TExecuteProc{}, TIRCommandProc{});
    Save(FindOwnWindow("TdlgChoose"), "chooser");

    showButtonPanel(TPanelWindowProc{}, TRunItemProc{});
    Save(FindOwnWindow("TdlgBtnPanel"), "button-panel");
}

// Tovanix.exe itself, started from the program folder with its command file.
void SaveMainWindow() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + programFolder + "Tovanix.exe\"";
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, programFolder.c_str(),
                        &startup, &process))
        return;
    HWND main = nullptr;
    for (int i = 0; i < 300 && !(main && IsWindowVisible(main)); ++i) {
        PumpMessages(100);
        main = FindWindowA("TfrmMain", nullptr);
    }
    Save(main, "main-window");
    PostMessageA(main, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: window_gallery <output folder>\n");
        return 2;
    }
    outputFolder = argv[1];
    char path[MAX_PATH];
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    programFolder = self.substr(0, self.rfind('\\') + 1);
    RegisterCommonControls(ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES);

    // What the gallery shows; a new window is one more line.
    const std::vector<std::function<void()>> shots = {
        [] { SaveTemplates("Tovanix.exe"); },
        [] { SaveTemplates("tovedit.dll"); },
        [] { SaveTemplates("tovshow.dll"); },
        [] { SaveTemplates("tovnet.dll"); },
        [] { SaveTemplates("tovirman.dll"); },
        [] { SaveTemplates("mediakeys.dll"); },
        SaveSettingsPages,
        SaveDisplays,
        SaveMainWindow,
    };
    for (const auto& shot : shots) shot();
    std::fflush(stdout);
    return 0;
}
