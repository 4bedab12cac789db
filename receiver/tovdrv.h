// The exports of tovdrv.dll, the receiver front end: included by the DLL
// itself and by every module that links against it. tovdrv loads the
// receiver driver library named by the Driver setting and reports each
// received button as an IR command string through one registered callback.
//
// Calls come from the user-interface thread. Calling order: DRV_Init, then
// DRV_Activate / DRV_Deactivate any number of times, DRV_Close; DRV_Init may
// follow again. DRV_Settings is called while the driver is closed.
#pragma once

#if defined(_WIN32) && defined(TOVDRV_BUILD)
#define TOVDRV_API __declspec(dllexport)
#elif defined(_WIN32)
#define TOVDRV_API __declspec(dllimport)
#else
#define TOVDRV_API
#endif

// One IR command string: at most 128 characters, zero-terminated, never
// containing ";" or "," (callers join commands with them).
typedef char TIRCommand[129];

// The IR command callback: a procedure together with its context, passed by
// value. Command points at a TIRCommand that the callee copies at once. A
// null Proc means no callback.
struct TIRCommandProc {
    void (*Proc)(void* Context, const char* Command);
    void* Context;
};

// The status callback: a procedure together with its context, passed by
// value. Text is a short zero-terminated sentence for the user (at most 255
// characters) that the callee copies at once. A null Proc means no callback.
struct TStatusProc {
    void (*Proc)(void* Context, const char* Text);
    void* Context;
};

// What became of a received command, told to the watch callback.
enum TCommandFate {
    cfHandedOver = 0,     // to the IR command callback, right after the watch call
    cfRepeatDropped = 1,  // a repeat of a held button: repeat off, held back, or one waits already
    cfPausedDropped = 2,  // paused, or no IR command callback
    cfBusyDropped = 3     // too many commands waiting for the host
};

// The watch callback, for a monitor of what the receiver hears: every press
// and repeat the driver reports, and the long-press marks, with the repeat
// count (0 a press or a mark, n the n-th repeat) and its TCommandFate,
// in the order they came, on the thread of the IR command callback. Nothing
// is kept for it while its Proc is null.
struct TWatchProc {
    void (*Proc)(void* Context, const char* Command, int RepeatCount, int Fate);
    void* Context;
};

extern "C" {

// Loads the driver library named by the Driver setting (the local receiver
// when empty); false when it is missing or not a receiver driver.
TOVDRV_API bool DRV_Init();
// Stops receiving, forgets both callbacks and unloads the driver library.
TOVDRV_API void DRV_Close();
// Starts receiving; false when the receiver cannot be reached (for example
// a serial device that does not answer). The network receiver connects in
// the background and succeeds at once.
TOVDRV_API bool DRV_Activate();
// Stops receiving; commands still waiting are dropped.
TOVDRV_API bool DRV_Deactivate();
TOVDRV_API bool DRV_IsActivated();
// While paused no callback is made; commands received meanwhile are dropped.
TOVDRV_API void DRV_SetPause(bool paused);
// On: a held button is reported again and again; off: once.
TOVDRV_API void DRV_SetRepeat(bool on);
// On: the callback also gets the long-press marks of the button held last,
// whatever the repeat mode: "<command>@hold" once it has been held for the
// HoldTime setting (read at activation), "<command>@release" when it is let
// go (reported by the driver, or taken from its repeats stopping). Off at
// first.
TOVDRV_API void DRV_SetHoldReports(bool on);
// Later commands go to this callback, called on the calling thread from its
// message processing, one at a time: a command that arrives during a call
// waits until the call has returned.
TOVDRV_API void DRV_SetIRCommandProc(TIRCommandProc proc);
// The callback that later commands go to: a window that lends the receiver
// gives it back only while it still holds it.
TOVDRV_API TIRCommandProc DRV_GetIRCommandProc();
// Later commands are also told to this callback, with what became of them. It
// stays set until it is changed, also over DRV_Close and DRV_Init.
TOVDRV_API void DRV_SetWatchProc(TWatchProc proc);
// Later status texts of the receiver go to this callback: for example the
// network receiver's "Tovanix cannot reach the IR receiver server at
// 127.0.0.1:8765." once when its server cannot be reached (not at every
// retry), and "Tovanix is connected to the IR receiver server at
// 127.0.0.1:8765 again." once it can. Called like the IR command callback:
// on the calling thread from its message processing, never while either
// callback is running, and also while paused. Texts that come while no
// status callback is set wait for one (the latest few); deactivating drops
// them. Set it on the thread that sets the IR command callback, and again
// after each DRV_Init: DRV_Close forgets it.
TOVDRV_API void DRV_SetStatusProc(TStatusProc proc);
// True when the driver can produce a command on demand through DRV_Learn.
TOVDRV_API bool DRV_LearnAvailable();
// Fills command (a TIRCommand) with a learnt command, or "" when none.
TOVDRV_API void DRV_Learn(char* command);
// Shows the selected driver's own modal settings dialog.
TOVDRV_API void DRV_Settings();
}
