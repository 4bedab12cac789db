// What the dispatch and the executor ask of the main window, the receiver
// and the display library.
#pragma once

#include "core/Records.h"
#include "core/WindowHandle.h"

class ProgramHooks {
  public:
    virtual ~ProgramHooks() = default;

    // Receiver driver.
    virtual bool IsReceiverActive() = 0;
    virtual void SetReceiverRepeat(bool repeat) = 0;
    // Switches the receiver the way the main window's own controls do.
    virtual void SetReceiverActive(bool fromUser, bool activate, bool minimizeAfter) = 0;
    // After a launch that switched the receiver off: watch the launched
    // window and switch the receiver on again once it is gone (at once when
    // no window was found, 0).
    virtual void WatchLaunchedWindow(WindowHandle window) = 0;

    // Main window.
    virtual void CommandReceived() = 0;  // restarts the idle count of reactivation
    virtual void UpdateTrayIcon(bool active, bool busy) = 0;

    // Keys or clicks go to the window next: the main window tells the user
    // when Windows will drop them (ElevationNotice.h).
    virtual void InputGoesTo(WindowHandle window) = 0;

    // Display library.
    virtual void ShowCommand(const char* text) = 0;
    // A macro's name, on the screen of its target window when the settings
    // ask for the screen in front (0: no target).
    virtual void ShowCommandNear(const char* text, WindowHandle /*target*/) { ShowCommand(text); }
    // Lets the user pick one command of the macro and runs it.
    virtual void ChooseAndExecuteCommand(TMacroRecord* macro) = 0;

    // Master volume.
    virtual void StepVolume(bool up) = 0;
    virtual void ToggleMute() = 0;
};
