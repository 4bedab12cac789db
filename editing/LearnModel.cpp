#include "editing/LearnModel.h"

#include <algorithm>

#include "core/Settings.h"

const DialogMessage kTooManyCommandCodes{
    "Too many command codes notifed! Please repeat button press or check the variation -setting!", "Learn",
    MessageIcon::Error};

namespace {

constexpr const char* kWaitTip = "Wait...";
constexpr const char* kCommandButtonTip =
    "Execute command with the remote controller device or use \"Command...\" button to learn!";
constexpr const char* kRemoteOnlyTip =
    "Execute command with the remote controller device until progress bar reaches 100%!";

}  // namespace

LearnModel::LearnModel(LearnDriver& driver, LearnWindow& window, bool batch)
    : driver_(driver),
      window_(window),
      batch_(batch),
      learnAvailable_(driver.LearnAvailable()),
      gaugeMaximum_(ReadSetting(setting::SampleCount)) {}

void LearnModel::Shown() {
    tip_ = kWaitTip;
    busy_ = true;
    window_.StartTimer(LearnTimer::Start, kLearnStartDelayMs);
}

void LearnModel::TimerFired(LearnTimer timer) {
    window_.StopTimer(timer);
    if (timer == LearnTimer::Start && state_ == State::Waiting) Start();
    if (timer == LearnTimer::ButtonPause && state_ == State::BetweenButtons) EndPause();
}

void LearnModel::Start() {
    samples_ = 0;
    if (!driver_.Activate()) {
        Finish(LearnEnd::CancelBatch);
    } else {
        driver_.SetPause(false);
        driver_.InstallCallback();
        tip_ = learnAvailable_ ? kCommandButtonTip : kRemoteOnlyTip;
        state_ = State::Sampling;
    }
    busy_ = false;
}

void LearnModel::EndPause() {
    driver_.SetPause(false);
    busy_ = false;
    state_ = State::Sampling;
}

void LearnModel::Received(std::string_view command) {
    // Presses that come before learning starts, during the pause between two
    // buttons or after the end are not taken.
    if (state_ != State::Sampling || command.empty()) return;
    if (samples_ == 0) {
        variants_.clear();
        variantCount_ = 0;
    }
    commands_.emplace_back(command);
    if (variants_.find(command) == std::string::npos) {
        if (!variants_.empty()) variants_ += ',';
        variants_ += command;
        ++variantCount_;
    }
    gauge_ = samples_ + 1;
    if (variantCount_ > ReadSetting(setting::Tolerance)) {
        Restart();
        return;
    }
    ++samples_;
    // At or above: SampleCount may have been lowered while learning.
    if (samples_ >= ReadSetting(setting::SampleCount)) ButtonComplete();
}

void LearnModel::Restart() {
    driver_.SetPause(true);
    window_.ShowMessage(kTooManyCommandCodes);
    samples_ = 0;
    gauge_ = 0;
    commands_.clear();
    driver_.SetPause(false);
}

void LearnModel::ButtonComplete() {
    if (!result_.empty()) result_ += ';';
    result_ += variants_;
    // At or above: the number of buttons may have been lowered below the
    // button being learnt.
    if (currentButton_ >= buttonCount_) {
        Finish(LearnEnd::Ok);
        return;
    }
    busy_ = true;
    driver_.SetPause(true);
    ++currentButton_;
    samples_ = 0;
    gauge_ = 0;
    commands_.clear();
    state_ = State::BetweenButtons;
    window_.StartTimer(LearnTimer::ButtonPause, kButtonPauseMs);
}

void LearnModel::CommandClicked() {
    if (state_ != State::Sampling) return;
    const std::string command = driver_.Learn();
    if (!command.empty()) Received(command);
}

void LearnModel::SetButtonCount(int count) { buttonCount_ = std::clamp(count, 1, kMaxLearnButtons); }

std::string LearnModel::ButtonLabel() const {
    return "Learn button " + std::to_string(currentButton_) + "/" + std::to_string(buttonCount_);
}

void LearnModel::Cancel() { Finish(LearnEnd::Cancel); }

void LearnModel::CancelBatch() { Finish(LearnEnd::CancelBatch); }

void LearnModel::Finish(LearnEnd end) {
    if (state_ == State::Ended) return;
    state_ = State::Ended;
    end_ = end;
}

void LearnModel::Closing() {
    Finish(LearnEnd::Cancel);
    if (driver_.IsActivated()) driver_.Deactivate();
}
