// The click-position dialog's model: where a CLICK command clicks, measured
// from the screen's corner or from the macro's target window, captured from
// the cursor after a four-second countdown or typed by hand.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/ClickElement.h"
#include "core/DialogMessage.h"
#include "core/Records.h"

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

inline constexpr unsigned kCountdownIntervalMs = 1000;
inline constexpr int kCountdownTicks = 4;
inline constexpr std::size_t kMaxCoordinateLength = 4;
inline constexpr std::size_t kMaxTargetCaptionLength = 64;

extern const DialogMessage kTargetNotFound;
extern const DialogMessage kTargetMismatch;
extern const DialogMessage kLocationSaved;
extern const DialogMessage kCoordinatesOutOfRange;
extern const DialogMessage kLeftOfOrAboveWindow;

// Whether the macro's clicks can be measured from its target window: not
// when it runs against the current window or names no target.
bool ClicksRelativeToTarget(const TMacroRecord& macro);

struct ClickOutcome {
    std::string token;                     // "" when refused
    std::optional<DialogMessage> refusal;  // the dialog shows it and stays open
};

class PickPosModel {
  public:
    explicit PickPosModel(std::string_view macroName) : macroName_(macroName) {}
    std::string Caption() const { return "Learn mouse click location: " + macroName_; }

    // Plain fields of the controls.
    std::string x;
    std::string y;
    MouseButton button = MouseButton::Left;
    ClickAction action = ClickAction::Click;
    bool doubleClick = false;
    bool DoubleClickEnabled() const { return action == ClickAction::Click; }

    ClickReference Reference() const { return reference_; }
    bool ReferenceEnabled() const { return referenceEnabled_; }
    const std::string& TargetCaption() const { return targetCaption_; }  // "Target window:"
    bool OkEnabled() const { return captured_; }

    // Switching converts a position that both fields hold as numbers with
    // the corner of the window the last capture was measured from.
    void SetReference(ClickReference reference);

    // The capture runs when the dialog first becomes active and on "L&earn
    // loc"; true only the first time, so that the activations that follow a
    // capture do not start another.
    bool CaptureOnActivation();

    // The first step of a capture: a macro without a target window
    // (ClicksRelativeToTarget false) takes screen positions; otherwise the
    // dialog searches its target window and reports what it found.
    void UseWholeScreen();
    void TargetFound(std::string_view caption);
    DialogMessage TargetNotFound();  // the capture stops here

    DialogMessage CapturePrompt() const;
    void StartCountdown() { ticks_ = 0; }
    // One tick of the countdown; true on the last, when the cursor is read.
    bool CountdownTick() { return ++ticks_ >= kCountdownTicks; }
    // The cursor's position once the countdown is over. For a window-relative
    // position the window under the cursor must belong to the target's
    // program; windowCorner is the target window's top-left corner.
    DialogMessage Captured(ScreenPoint cursor, bool sameProgram, ScreenPoint windowCorner);

    // OK: the CLICK command, or why the position cannot be written.
    ClickOutcome Accept() const;

  private:
    std::string macroName_;
    ClickReference reference_ = ClickReference::Screen;
    bool referenceEnabled_ = true;
    std::string targetCaption_;
    ScreenPoint origin_;
    bool captured_ = false;
    bool activatedOnce_ = false;
    int ticks_ = 0;
};
