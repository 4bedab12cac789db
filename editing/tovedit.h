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

#ifdef _WIN32
/* Runs the settings dialog owned by owner; true when it ended with OK.
   The dialog writes the receiver driver as soon as one is clicked, so the
   caller closes its driver before and initialises it again afterwards. */
TOVEDIT_API bool ChangeSettings(HWND owner);
#endif

#ifdef __cplusplus
}
#endif
