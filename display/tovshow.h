// The exports of tovshow.dll, the display library: the on-screen display,
// the command chooser, the learnt-command viewer, the button panel and queries about running programs, window
// owners and modifier keys. Included by the DLL itself and by the modules that link against it (Tovanix,
// tovedit). Every export runs on the caller's thread; the windows it opens
// live on that thread's message loop. No export raises an error.
#pragma once

#include <windows.h>

#include "core/Records.h"
#include "display/OSDText.h"
#include "receiver/tovdrv.h"

#ifdef TOVSHOW_BUILD
#define TOVSHOW_API __declspec(dllexport)
#else
#define TOVSHOW_API __declspec(dllimport)
#endif

// The button panel's callbacks: a procedure together with its context,
// passed by value; a null Proc means no callback.
// Told the panel's window when the panel is shown, 0 when it is closed from
// its own menu.
struct TPanelWindowProc {
    void (*Proc)(void* Context, HWND Window);
    void* Context;
};
// Runs the item (a group or macro ID of at most 5 characters, which the
// callee copies) of a button that was clicked.
struct TRunItemProc {
    void (*Proc)(void* Context, const char* ID);
    void* Context;
};

extern "C" {

// Runs one command of a macro: the macro's record, whether its name may be
// shown on screen, and the command's index in its list (without a leading
// REPEAT). A procedure together with its context, passed by value.
struct TExecuteProc {
    void (*Proc)(void* Context, TMacroRecord* Macro, bool ShowOSD, int Index);
    void* Context;
};

// Flashes the text (a TOSDText, copied at once) in an on-screen display when
// the OSD setting is exactly 1; otherwise shows nothing. Returns at once.
TOVSHOW_API void showCommand(const TOSDText text);
// The same for a macro's name: with the OSDScreen setting at 1 the display
// goes to the screen of window (the macro's target), or of the window in
// front when window is null or gone.
TOVSHOW_API void showCommandNear(const TOSDText text, HWND window);

// Lets the user pick one command of the macro with the remote control and
// returns at once: a list of its commands on screen takes the receiver
// driver's IR command callback, moves its selection with each button, and
// after CmdTime milliseconds without one gives the callback back to
// previous (unless another window has taken it meanwhile) and calls execute
// once with the macro (kept, never changed) and the chosen command's index,
// 0 when the list shows nothing.
TOVSHOW_API void chooseAndExecuteCommand(TMacroRecord* macro, TExecuteProc execute, TIRCommandProc previous);

// Shows the learnt command of the group or macro with that ID (at most 5
// characters are read) in a modal dialog owned by the caller's active
// window; returns when it closes, at once when there is no such item.
TOVSHOW_API void showCommands(const char* id);

// Opens a new button panel with the buttons of BTNLIST.TXT in the program
// folder and returns at once; the panel lives on the calling thread's message
// loop until its window is destroyed, which writes the buttons back (over a
// file it could not read only when the panel changed and the user agrees).
TOVSHOW_API void showButtonPanel(TPanelWindowProc panelWindowProc, TRunItemProc runItemProc);

// The program file of the process that made the window, as the process-name
// library of the program folder reports it (RXNT.DLL, on Windows 95 family
// systems RX95.DLL), loaded and released for this call. Null when the library
// or its getAPPFileName export is missing. The caller owns the text and
// releases it with freeApplicationFileName.
TOVSHOW_API char* getApplicationFileName(HWND window);
// Releases a text from getApplicationFileName; null does nothing.
TOVSHOW_API void freeApplicationFileName(char* fileName);

// The top of the window's owner/parent chain; the window itself when it has
// neither.
TOVSHOW_API HWND getOwnerParent(HWND window);

// A live window above 32 is returned as it is (true). With 0 the visible
// top-level windows are searched, top first, for the program file fileName
// (at most 80 characters; a to z in any case) and, unless className (at most
// 255 characters) is empty, exactly that window class. Without a class the
// match's top owner is returned. When only the class differs, found is the
// last window of the program and the result false. A handle from 1 to 32
// gives false and 0.
TOVSHOW_API bool getRunningAppHandle(HWND window, const char* fileName, const char* className, HWND* found);

// 0 Win32s, 1 Windows 95 family, 2 NT family (1 when the query fails).
TOVSHOW_API int getWindowsVersion(void);

// Whether typing the one character of text needs Ctrl, Alt or Shift in the
// current keyboard layout; false for any other length.
TOVSHOW_API bool isCtrlKey(const char* text);
TOVSHOW_API bool isAltKey(const char* text);
TOVSHOW_API bool isShiftKey(const char* text);
}
