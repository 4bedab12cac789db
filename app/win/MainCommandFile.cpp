// Loading, saving, importing and exporting the command file.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "app/cmdfile/CommandFile.h"
#include "app/cmdfile/CommandFileMessages.h"
#include "app/cmdfile/win/CommandFileIO.h"
#include "app/cmdfile/win/TovdataStoreAccess.h"
#include "app/win/MainWindow.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace {
// The dialogs' filter: the "|"-separated pairs with zero bytes instead.
std::vector<char> DialogFilter() {
    std::vector<char> filter(kCommandFileFilter, kCommandFileFilter + std::strlen(kCommandFileFilter));
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

// Where an export starts: the user's documents, else the program folder,
// never the current folder (the system folder when Windows starts Tovanix).
std::string ExportFolder() {
    char documents[MAX_PATH] = "";
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
        return documents;
    return ProgramFolder();
}

// Asks for a command file to open or to save to; empty when cancelled.
std::string AskForFile(HWND owner, bool save) {
    const std::vector<char> filter = DialogFilter();
    char file[MAX_PATH];
    CopyText(file, save ? kExportFileName : "");
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.data();
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrDefExt = save ? kExportDefaultExtension : kImportDefaultExtension;
    const std::string exportFolder = save ? ExportFolder() : std::string();
    if (save) dialog.lpstrInitialDir = exportFolder.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(file) : std::string();
}

void ReportWriteFailure(HWND owner, const WriteResult& result) {
    if (!result.ok) MessageBoxA(owner, result.message.c_str(), "Error", MB_OK | MB_ICONERROR);
}
}  // namespace

void TfrmMain::SaveAllItems() {
    if (!overwriteQuestion_.empty() && MessageBoxA(Handle(), overwriteQuestion_.c_str(), kCommandFileCaption,
                                                   MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES)
        overwriteQuestion_.clear();
    if (overwriteQuestion_.empty()) {
        TovdataStoreAccess store;
        ReportWriteFailure(Handle(), SaveItemsToFile(store, DefaultCommandFile()));
    }
    UpdateMenus();
}

void TfrmMain::LoadItems(bool fromUser) {
    std::string path = DefaultCommandFile();
    if (fromUser) {
        path = AskForFile(Handle(), false);
        if (path.empty()) return;
    }
    TovdataStoreAccess store;
    const LoadReport report = LoadItemsFromFile(store, path, fromUser);
    if (!fromUser) overwriteQuestion_ = OverwriteQuestion(report, path);
    tree_.Build("");
    UpdateMenus();
    // Topmost: at start the splash window would hide it.
    const std::string message = LoadMessage(report, path, fromUser);
    if (!message.empty())
        MessageBoxA(
            Handle(), message.c_str(), kCommandFileCaption,
            MB_OK | MB_TOPMOST |
                (report.itemsNotLoaded > 0 || report.unreadable ? MB_ICONWARNING : MB_ICONINFORMATION));
    if (fromUser) {
        FillStartupCombo();
        SaveAllItems();
    }
}

void TfrmMain::ExportSelected() {
    const std::string id = tree_.SelectedID();
    if (id.empty()) return;
    const std::string file = AskForFile(Handle(), true);
    if (file.empty()) return;
    TovdataStoreAccess store;
    ReportWriteFailure(Handle(), ExportItemToFile(store, id.c_str(), file));
}
