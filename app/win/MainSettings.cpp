// Changing the settings: the receiver driver is closed around tovedit's
// settings dialog, which may choose and configure another driver, and
// initialised again afterwards; every other setting takes effect at its
// next use.
#include "MainWindow.h"
#include "tovedit.h"

namespace {
// Time for the driver to settle after it was switched off, and before it
// is switched on again.
constexpr double kBeforeSettingsSeconds = 1.0;
constexpr double kAfterSettingsSeconds = 0.5;
}  // namespace

void TfrmMain::ChangeSettingsCommand() {
    if (!CloseAllowed) return;
    const HCURSOR previousCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    CloseAllowed = false;
    const bool wasActive = IsReceiverActive();
    if (wasActive) {
        SetReceiverActive(false, false, false);
        Delay(kBeforeSettingsSeconds);
    }
    CloseReceiver();
    ChangeSettings(Handle());
    InitReceiver();
    if (wasActive) {
        Delay(kAfterSettingsSeconds);
        SetReceiverActive(true, true, false);
    }
    CloseAllowed = true;
    SetCursor(previousCursor);
}
