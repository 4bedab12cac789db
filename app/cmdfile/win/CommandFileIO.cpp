#include "CommandFileIO.h"

#include "CommandFile.h"
#include "Paths.h"

std::string DefaultCommandFile() { return ProgramFolder() + kDefaultCommandFileName; }

LoadReport LoadItemsFromFile(ItemStoreAccess& store, const std::string& path, bool fromUser) {
    if (!fromUser) RemoveLeftoverTemporary(path);
    std::string text;
    return ReadFileText(path, text) ? LoadItemsText(store, text, fromUser) : LoadReport();
}

WriteResult SaveItemsToFile(ItemStoreAccess& store, const std::string& path) {
    return WriteFileSafely(path, AllItemsText(store));
}

WriteResult ExportItemToFile(ItemStoreAccess& store, const char* id, const std::string& path) {
    return WriteFileSafely(path, ExportedItemText(store, id));
}
