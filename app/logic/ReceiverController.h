// The receiver's life cycle in the main program: opening and closing the
// driver, switching it on and off, the periodic restart, and the waits and
// the close hold-off around the dialogs that take the driver (learning, the
// settings). The driver and the main window are reached through the two
// interfaces below; the window's Win32 side implements both.
#pragma once

#include <functional>

#include "core/ScopedFlag.h"

// tovdrv.dll's receiver as the main program uses it.
class ReceiverDriver {
  public:
    virtual ~ReceiverDriver() = default;
    virtual bool Init() = 0;
    virtual void Close() = 0;
    virtual bool Activate() = 0;
    virtual bool Deactivate() = 0;
    virtual bool IsActivated() = 0;
    virtual void SetPause(bool paused) = 0;
    virtual void SetRepeat(bool repeat) = 0;
    // Makes the driver deliver received commands, or its status texts, to the program.
    virtual void InstallCommandCallback() = 0;
    virtual void InstallStatusCallback() = 0;
};

// What the controller asks of the main window.
class ReceiverWindow {
  public:
    virtual ~ReceiverWindow() = default;
    // Captions, tray icon and tool tip after the receiver's state.
    virtual void ShowReceiving(bool active) = 0;
    virtual void ShowTrayState(bool active) = 0;
    // The "Activate" button and menu item.
    virtual bool ActivateEnabled() = 0;
    virtual void EnableActivate(bool enabled) = 0;
    virtual void HideToTray() = 0;
    // The wait cursor, nested: shown from the first true to the last false.
    virtual void ShowBusy(bool busy) = 0;
    virtual void ReportInitFailure() = 0;
    // The restart's one-second tick.
    virtual void StartReactivateTimer() = 0;
    virtual void StopReactivateTimer() = 0;
    // A new activation forgets the macro that ran last.
    virtual void ForgetLastMacro() = 0;
    // At least this long, window messages processed meanwhile.
    virtual void Wait(double seconds) = 0;
};

// Between the items of a batch and after the batch.
inline constexpr double kBatchStepSeconds = 0.5;

class ReceiverController {
  public:
    ReceiverController(ReceiverDriver& driver, ReceiverWindow& window) : driver_(driver), window_(window) {}

    // Opens the driver, paused; tells the user when it cannot.
    void Init();
    void Close();
    bool IsActive();
    void SetRepeat(bool repeat);
    // fromUser: an unattended start that cannot activate still ends in the
    // tray; minimizeAfter: a successful activation hides the window when
    // the MinimizeAfterActivate setting says so.
    void SetActive(bool fromUser, bool activate, bool minimizeAfter);

    // Every second while the receiver is active and Reactivate is on: the
    // driver is restarted after ReactivateTime minutes without a command.
    void ReactivateTick();
    void CommandReceived() { IdleSeconds = 0; }

    // Runs a learn dialog with the receiver switched off around it; the
    // dialog's answer.
    int Learn(const std::function<int()>& dialog);
    // A batch of learn dialogs, with the receiver off around all of them;
    // nothing while closing is held off.
    void LearnBatch(const std::function<void()>& batch);
    // The settings dialog with the driver closed around it: it may choose
    // another driver. Nothing while closing is held off.
    void ChangeSettings(const std::function<void()>& dialog);
    // Whether the program may end now; switches the receiver off if so.
    bool CloseQuery();
    // While a learn dialog has the driver, the user's switch does nothing.
    bool Learning() const { return learning_; }

    // False while something must not be cut short by closing: the start, a
    // dialog, a switch of the receiver. Set through CloseHoldOff.
    bool CloseAllowed = false;

  private:
    ReceiverDriver& driver_;
    ReceiverWindow& window_;
    bool ready_ = false;
    bool learning_ = false;
    int IdleSeconds = 0;
    int ReactivateMinutes = 60;
};

// Holds closing off for its lifetime and gives back the state it found, so
// that nested hold-offs end with the outermost.
class CloseHoldOff : public ScopedFlag {
  public:
    explicit CloseHoldOff(bool& closeAllowed) : ScopedFlag(closeAllowed, false) {}
};
