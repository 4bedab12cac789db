// The command file, the one lasting form of the button groups and macros:
// the default file that holds every item of the store, and the exported
// files that carry a group or a macro to another installation. These
// functions make and take the file's text; reading and writing the file
// itself is the platform's (win/CommandFileIO.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/cmdfile/CommandFileIDs.h"
#include "app/cmdfile/ItemStoreAccess.h"

// The default command file, in the program folder.
inline constexpr const char* kDefaultCommandFileName = "TOVANIX.CMD";
// The import and export dialogs ("|" separates a filter's name and pattern).
inline constexpr const char* kCommandFileFilter = "Tovanix command file (*.cmd)|*.cmd";
inline constexpr const char* kExportDefaultExtension = "cmd";
inline constexpr const char* kExportFileName = "exported.cmd";
inline constexpr const char* kImportDefaultExtension = "CMD";

// Every item for the default file: each group followed by its macros, then
// the general macros, all in store order, with their IDs, IR commands and
// flags as stored.
std::string AllItemsText(ItemStoreAccess& store);

// The item with that ID as an exported file, "" when there is none. Without
// IR commands and renumbered: a macro alone becomes M1 and keeps its AppID;
// a group becomes A1, its start macro M1 and its other macros M2, M3, ...
// in store order, each with AppID A1. The store is not changed.
std::string ExportedItemText(ItemStoreAccess& store, const char* id);

// What loading a file did that the user should know of.
struct LoadReport {
    std::size_t itemsInFile = 0;
    // Left out because all kMaxItemNumber IDs of their kind were held
    // (with the macros of a group left out).
    std::size_t itemsNotLoaded = 0;
    // At start: the IDs changed to keep every item's ID its own.
    std::vector<IDChange> changedIDs;
    // At start: the macros whose group the file does not hold, now general.
    std::vector<MacroMadeGeneral> madeGeneral;
    // The file is there but could not be read (another program holds it
    // locked, say): none of its items were loaded.
    bool unreadable = false;
};

// Adds the items of a command file to the store.
//
// At start (fromUser false) they keep their IDs, links and IR commands; an
// ID that is malformed or held already is changed together with the links
// to it (see CommandFileIDs.h), and each change is reported.
//
// Imported by the user they get new IDs and no IR commands: each group's
// start macro is reserved a new ID at once (held by an empty placeholder
// macro until the start macro itself arrives), and a macro with an AppID
// joins the group imported last from the same file, or becomes a general
// macro when none came before it.
//
// Items for which no ID is left are not added and are counted; so are the
// macros that belong to a group not added, which would otherwise land in
// another group or among the general macros.
LoadReport LoadItemsText(ItemStoreAccess& store, std::string_view text, bool fromUser);
