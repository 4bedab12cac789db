// The command file on disk: what the main window calls to load, save,
// import and export items. Its dialogs choose the file names.
#pragma once

#include <string>

#include "app/cmdfile/CommandFile.h"
#include "app/cmdfile/ItemStoreAccess.h"
#include "core/win/SafeFile.h"

// TOVANIX.CMD in the program folder.
std::string DefaultCommandFile();

// Adds the file's items to the store (see LoadItemsText); a file that is
// there but cannot be read adds nothing and is reported as unreadable. At start (fromUser false) it first
// removes the file's temporary file that a save cut short left behind.
LoadReport LoadItemsFromFile(ItemStoreAccess& store, const std::string& path, bool fromUser);

// Replaces the file with every item of the store (see AllItemsText).
WriteResult SaveItemsToFile(ItemStoreAccess& store, const std::string& path);

// Writes the item with that ID as an exported file (see ExportedItemText).
WriteResult ExportItemToFile(ItemStoreAccess& store, const char* id, const std::string& path);
