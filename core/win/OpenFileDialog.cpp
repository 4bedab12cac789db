#include "core/win/OpenFileDialog.h"

#include "core/Text.h"

std::optional<std::string> ChooseFileToOpen(HWND owner, const FileToOpen& request) {
    char path[MAX_PATH] = "";
    CopyText(path, request.initialFile);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrInitialDir = request.initialFolder;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | request.flags;
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    return std::string(path);
}
