// The learn dialog's model. It samples the command strings that the receiver
// reports while the user presses a button several times, checks that they
// agree, and joins them into an item's learnt command: the different strings
// of one button joined by ",", the buttons of a sequence joined by ";".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/DialogMessage.h"
#include "core/Records.h"

// The receiver driver as the learn dialog uses it.
class LearnDriver {
  public:
    virtual ~LearnDriver() = default;
    virtual bool LearnAvailable() = 0;  // whether "Command..." is offered
    virtual bool Activate() = 0;
    virtual void SetPause(bool paused) = 0;
    // Makes the driver deliver received commands to the dialog.
    virtual void InstallCallback() = 0;
    // A command that the driver learns by itself; "" when none.
    virtual std::string Learn() = 0;
    virtual bool IsActivated() = 0;
    virtual void Deactivate() = 0;
};

enum class LearnTimer {
    Start,        // learning starts once the dialog is on screen
    ButtonPause,  // the pause between two buttons of a sequence
};

// What the model asks of its dialog.
class LearnWindow {
  public:
    virtual ~LearnWindow() = default;
    virtual void StartTimer(LearnTimer timer, unsigned milliseconds) = 0;
    virtual void StopTimer(LearnTimer timer) = 0;
    // Modal: returns once the user has closed the message.
    virtual void ShowMessage(const DialogMessage& message) = 0;
};

enum class LearnEnd {
    None,         // still open
    Ok,           // every button learnt
    Cancel,       // "Cancel", "Next" or the close box
    CancelBatch,  // "Cancel batch", or the receiver could not be activated
};

inline constexpr unsigned kLearnStartDelayMs = 500;
// Long enough for the user to let go of one button before the next counts.
inline constexpr unsigned kButtonPauseMs = 1500;
inline constexpr int kMaxLearnButtons = 4;
inline constexpr std::size_t kMaxLearntLength = sizeof(TMacroRecord::IRCommand) - 1;
static_assert(sizeof(TMacroRecord::IRCommand) == sizeof(TBGroupRecord::IRCommand));

extern const DialogMessage kTooManyCommandCodes;

class LearnModel {
  public:
    // Asks the driver whether it can learn by itself; reads SampleCount for
    // the gauge.
    LearnModel(LearnDriver& driver, LearnWindow& window, bool batch);

    // The dialog's events.
    void Shown();
    void TimerFired(LearnTimer timer);
    void Received(std::string_view command);  // from the driver's callback
    void CommandClicked();                    // "Command..."
    void SetButtonCount(int count);           // "Number of buttons:"
    void Cancel();                            // "Cancel", "Next" or the close box
    void CancelBatch();                       // "Cancel batch"
    void Closing();                           // on every way out

    // What the dialog shows.
    const std::string& Tip() const { return tip_; }
    int Gauge() const { return gauge_; }
    int GaugeMaximum() const { return gaugeMaximum_; }
    const std::vector<std::string>& Commands() const { return commands_; }  // memCommands
    std::string ButtonLabel() const;
    int ButtonCount() const { return buttonCount_; }
    bool Busy() const { return busy_; }  // the hourglass pointer
    bool CommandButtonVisible() const { return learnAvailable_; }
    bool BatchButtonVisible() const { return batch_; }
    std::string CancelCaption() const { return batch_ ? "Next" : "Cancel"; }

    LearnEnd End() const { return end_; }
    // The learnt command, cut to what the record holds.
    std::string Learnt() const { return result_.substr(0, kMaxLearntLength); }

  private:
    enum class State { Waiting, Sampling, BetweenButtons, Ended };

    void Start();
    void EndPause();
    void Restart();
    void ButtonComplete();
    void Finish(LearnEnd end);

    LearnDriver& driver_;
    LearnWindow& window_;
    const bool batch_;
    const bool learnAvailable_;
    const int gaugeMaximum_;

    State state_ = State::Waiting;
    LearnEnd end_ = LearnEnd::None;
    std::string tip_;
    bool busy_ = false;
    int gauge_ = 0;
    std::vector<std::string> commands_;
    int samples_ = 0;
    std::string variants_;
    int variantCount_ = 0;
    std::string result_;
    int currentButton_ = 1;
    int buttonCount_ = 1;
};
