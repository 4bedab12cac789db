// The open-file dialog behind the "..." buttons of the dialogs. It never
// moves the program's current folder, which a relative driver or command
// file name would then miss.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

struct FileToOpen {
    const char* filter;                   // pairs of "name\0pattern\0"
    const char* initialFolder = nullptr;  // where it opens when initialFile names none
    std::string initialFile;
    DWORD flags = 0;  // added to OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR
};

// The path the user chose; nothing on Cancel.
std::optional<std::string> ChooseFileToOpen(HWND owner, const FileToOpen& request);
