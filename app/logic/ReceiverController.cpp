#include "app/logic/ReceiverController.h"

#include "app/logic/Reactivation.h"
#include "core/Settings.h"

namespace {
// Time for the driver to settle between switching it and handing it to a
// dialog, and after the dialog before it is switched on again.
constexpr double kBeforeLearnSeconds = 0.2;
constexpr double kAfterLearnSeconds = 1.0;
constexpr double kBeforeSettingsSeconds = 1.0;
constexpr double kAfterSettingsSeconds = 0.5;
// Between the steps of the periodic restart.
constexpr double kBeforeRestartSeconds = 0.5;
constexpr double kRestartStepSeconds = 0.2;

// The wait cursor for a scope.
class Busy {
  public:
    explicit Busy(ReceiverWindow& window) : window_(window) { window_.ShowBusy(true); }
    ~Busy() { window_.ShowBusy(false); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

  private:
    ReceiverWindow& window_;
};
}  // namespace

void ReceiverController::Init() {
    if (driver_.Init()) {
        ready_ = true;
        driver_.SetPause(true);
        window_.EnableActivate(true);
        return;
    }
    window_.EnableActivate(false);
    Close();
    window_.ReportInitFailure();
}

void ReceiverController::Close() {
    ready_ = false;
    driver_.Close();
}

bool ReceiverController::IsActive() { return ready_ && driver_.IsActivated(); }

void ReceiverController::SetRepeat(bool repeat) {
    if (ready_) driver_.SetRepeat(repeat);
}

void ReceiverController::SetActive(bool fromUser, bool activate, bool minimizeAfter) {
    CloseHoldOff holdOff(CloseAllowed);
    Busy busy(window_);
    if (activate) {
        window_.ForgetLastMacro();
        // Unavailable while it works; available again only if it was before.
        const bool wasEnabled = window_.ActivateEnabled();
        window_.EnableActivate(false);
        if (ready_ && (driver_.IsActivated() || driver_.Activate())) {
            driver_.SetPause(false);
            window_.ShowReceiving(true);
            if (ReadSetting(setting::Reactivate) == 1) {
                window_.StartReactivateTimer();
                IdleSeconds = 0;
                ReactivateMinutes = ReadSetting(setting::ReactivateTime);
            }
            if (minimizeAfter && ReadMinimizeSetting()) window_.HideToTray();
        } else if (!fromUser && ReadMinimizeSetting()) {
            window_.HideToTray();
        }
        if (wasEnabled) window_.EnableActivate(true);
    } else if (ready_ && driver_.Deactivate()) {
        driver_.SetPause(true);
        window_.ShowReceiving(false);
        window_.StopReactivateTimer();
    }
    window_.ShowTrayState(IsActive());
    if (ready_) {
        driver_.InstallCommandCallback();
        driver_.InstallStatusCallback();
    }
}

void ReceiverController::ReactivateTick() {
    if (!ReactivationDue(++IdleSeconds, ReactivateMinutes)) return;
    {
        CloseHoldOff holdOff(CloseAllowed);
        const bool wasActive = IsActive();
        if (wasActive) {
            SetActive(false, false, false);
            window_.Wait(kBeforeRestartSeconds);
        }
        Close();
        window_.Wait(kRestartStepSeconds);
        Init();
        if (wasActive) {
            window_.Wait(kRestartStepSeconds);
            SetActive(true, true, false);
        }
    }
    IdleSeconds = 0;
}

int ReceiverController::Learn(const std::function<int()>& dialog) {
    CloseHoldOff holdOff(CloseAllowed);
    const bool wasActive = IsActive();
    if (wasActive) {
        SetActive(true, false, false);
        window_.Wait(kBeforeLearnSeconds);
    }
    learning_ = true;
    const int result = dialog();
    learning_ = false;
    // The dialog leaves the driver deactivated and without a callback.
    if (ready_) {
        driver_.SetPause(true);
        driver_.InstallCommandCallback();
    }
    if (wasActive) {
        window_.Wait(kAfterLearnSeconds);
        SetActive(true, true, false);
    }
    return result;
}

void ReceiverController::LearnBatch(const std::function<void()>& batch) {
    if (!CloseAllowed) return;
    CloseHoldOff holdOff(CloseAllowed);
    Busy busy(window_);
    const bool wasActive = IsActive();
    if (wasActive) SetActive(true, false, false);
    batch();
    if (wasActive) {
        window_.Wait(kBatchStepSeconds);
        SetActive(true, true, false);
    }
}

void ReceiverController::ChangeSettings(const std::function<void()>& dialog) {
    if (!CloseAllowed) return;
    Busy busy(window_);
    CloseHoldOff holdOff(CloseAllowed);
    const bool wasActive = IsActive();
    if (wasActive) {
        SetActive(false, false, false);
        window_.Wait(kBeforeSettingsSeconds);
    }
    Close();
    dialog();
    Init();
    if (wasActive) {
        window_.Wait(kAfterSettingsSeconds);
        SetActive(true, true, false);
    }
}

bool ReceiverController::CloseQuery() {
    if (!CloseAllowed) return false;
    if (IsActive()) SetActive(true, false, true);
    return true;
}
