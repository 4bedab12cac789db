#include "app/cmdfile/win/CommandFileIO.h"

#include <windows.h>

#include "app/cmdfile/CommandFile.h"
#include "core/Paths.h"

std::string DefaultCommandFile() { return ProgramFolder() + kDefaultCommandFileName; }

LoadReport LoadItemsFromFile(ItemStoreAccess& store, const std::string& path, bool fromUser) {
    if (!fromUser) RemoveLeftoverTemporary(path);
    std::string text;
    if (ReadFileText(path, text)) return LoadItemsText(store, text, fromUser);
    LoadReport report;
    report.unreadable = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    return report;
}

WriteResult SaveItemsToFile(ItemStoreAccess& store, const std::string& path) {
    return WriteFileSafely(path, AllItemsText(store));
}

WriteResult ExportItemToFile(ItemStoreAccess& store, const char* id, const std::string& path) {
    return WriteFileSafely(path, ExportedItemText(store, id));
}
