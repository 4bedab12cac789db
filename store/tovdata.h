// The exports of tovdata.dll, the item store: included by the DLL itself and
// by every module that links against it. Records cross the boundary by
// pointer; identifiers are zero-terminated texts of which at most 5
// characters are read (a record pointer serves as its ID). Out IDs are 6-byte
// buffers. Calls come from one thread, the user-interface thread. The rules
// by which received buttons select items are in docs/remote-buttons.md.
#pragma once

#include "core/Records.h"

// Inside the DLL the exports come from tovdata.def, which also gives
// deleteItem its exported name "delete" (a C++ keyword); a caller's
// deleteItem binds to that export by name.
#ifdef TOVDATA_BUILD
#define TOVDATA_API
#define TOVDATA_EXPORTED_AS(name)
#else
#define TOVDATA_API __declspec(dllimport)
#define TOVDATA_EXPORTED_AS(name) __asm__(name)
#endif

extern "C" {

// Pointers to the store's own records, valid until the item is deleted; null when not found.
TOVDATA_API TMacroRecord* getMacro(const char* id);
TOVDATA_API TBGroupRecord* getBGroup(const char* id);
// True if found; sets both out pointers (null for the kind not found). Either may be null.
TOVDATA_API bool getBGroupOrMacro(const char* id, TMacroRecord** macro, TBGroupRecord** group);

// Walk the store order (the order of adding) from *position == -1; null at the end.
TOVDATA_API TBGroupRecord* getNextBGroup(int* position);
// The macros whose AppID equals groupID (null or "": general macros); with allMacros every macro.
TOVDATA_API TMacroRecord* getNextMacro(int* position, const char* groupID, bool allMacros);

// Store a copy; a malformed or taken ID is replaced by a new one. False when no ID is left.
TOVDATA_API bool addMacro(const TMacroRecord* record);
TOVDATA_API bool addBGroup(const TBGroupRecord* record);

// Removes the item, a group with its macros. Exported as "delete".
TOVDATA_API bool deleteItem(const char* id) TOVDATA_EXPORTED_AS("delete");

TOVDATA_API bool doesBGroupHaveChild(const char* id);

// A free ID ("" when all 9999 are taken) in a buffer of the store's that the
// next call overwrites: copy it at once.
TOVDATA_API const char* getNewMacroID(void);
TOVDATA_API const char* getNewBGroupID(void);

// The ID of the newest item of a kind (0 group, 1 macro), "" when none.
TOVDATA_API void getNewestItem(int kind, char* id);

// Replaces IRCommand, cut to 254 characters; null or "" removes it.
TOVDATA_API bool setIRCommand(const char* id, const char* text);

// True when the command may be stored for the item. learning: true from the
// learn dialog (only enabled items count), false from paste (disabled ones too).
TOVDATA_API bool checkIRCommandConflict(const char* id, const char* command, bool learning);

// Flips Disabled; enabling is refused (false) while the item's command clashes.
TOVDATA_API bool toggleDisableEnable(const char* id);
// The ID of the enabled item whose command keeps this disabled item from
// being enabled, "" when there is none, into a 6-byte buffer.
TOVDATA_API void findEnableClash(const char* id, char* clashID);
TOVDATA_API bool isDisabled(const char* id);

// The first item in store order with that Name, or null.
TOVDATA_API TMacroRecord* findMacroByName(const char* name);
TOVDATA_API TBGroupRecord* findBGroupByName(const char* name);

// Which item the received buttons (joined by ";") select. final: false while
// more buttons may come, true after the wait. id receives the item to run or
// ""; count how many items the sequence may still select (final false) or
// how many it selects alike (final true).
TOVDATA_API void findItemByCommand(const char* sequence, int* count, bool final, char* id);

// Makes the group the active one, whose macros received buttons can select.
TOVDATA_API void activateBGroup(const char* id);

}  // extern "C"
