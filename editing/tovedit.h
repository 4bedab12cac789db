/* The exports of tovedit.dll, the editing library: included by the DLL itself
   and by the modules that link against it (Tovanix). Each export runs one
   modal dialog on the caller's thread, owned by the caller's active window,
   and returns when it closes. No export raises an error. */
#pragma once

#if defined(_WIN32) && defined(TOVEDIT_BUILD)
#define TOVEDIT_API __declspec(dllexport)
#elif defined(_WIN32)
#define TOVEDIT_API __declspec(dllimport)
#else
#define TOVEDIT_API
#endif

#if defined(_WIN32) && !defined(TOVEDIT_BUILD)
#define TOVEDIT_RENAMED_API __declspec(dllimport)
#else
#define TOVEDIT_RENAMED_API
#endif

#ifdef _WIN32
#include <windows.h>
#endif

#ifdef __cplusplus
extern "C" {
#else
#include <stdbool.h>
#endif

/* The results of learn. A batch of items stops at kBatchCancelled. */
enum {
    kLearnt = 1,         /* a command was learnt and stored in the item */
    kNotLearnt = 0,      /* no such item, "Cancel" or "Next", nothing learnt, or the store refused it */
    kBatchCancelled = -1 /* "Cancel batch", or the receiver could not be activated */
};

/* Learns the remote button (or sequence of buttons) of the group or macro
   with that ID (at most 5 characters are read) and stores it in the item's
   record. batch: the dialog offers "Next" and "Cancel batch". The caller
   switches its own receiving off before and takes the driver's IR command
   callback back afterwards; the driver is left deactivated. */
TOVEDIT_API int learn(const char* id, bool batch);

/* The macro editor, adding a macro to the group with that ID ("" for a
   general macro). True when a macro was created; the store's newest macro
   is the new one. Exported as addMacro; as tovdata.dll exports an addMacro
   of its own, which adds a record, tovedit defines it under this name
   (tovedit.def) and modules import it through the import library
   tovedit_imports (tovedit-imports.def), never through tovedit's own. */
TOVEDIT_RENAMED_API bool addMacroInEditor(const char* groupID);
/* The macro editor for the macro with that ID; true when it ended with OK. */
TOVEDIT_API bool editMacro(const char* macroID);
/* The button group editor adding a group; true when it ended with OK. The
   store's newest group is the new one. */
TOVEDIT_API bool addButtonGroup(void);
/* The button group editor for the group with that ID; false at once when
   the store has no such group, else true when it ended with OK. */
TOVEDIT_API bool editButtonGroup(const char* groupID);

#ifdef _WIN32
/* Runs the settings dialog owned by owner; true when it ended with OK.
   The dialog writes the receiver driver as soon as one is clicked, so the
   caller closes its driver before and initialises it again afterwards. */
TOVEDIT_API bool ChangeSettings(HWND owner);
#endif

#ifdef __cplusplus
}
#endif
