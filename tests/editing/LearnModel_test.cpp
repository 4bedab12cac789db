#include "editing/LearnModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/MemorySettings.h"
#include "core/Settings.h"

namespace {

// Records every call of the model, in order, as one short line each.
class Recorder : public LearnDriver, public LearnWindow {
  public:
    bool learnAvailable = false;
    bool activates = true;
    bool activated = false;
    std::string learnt;  // what "Command..." gets from the driver
    std::vector<std::string> calls;

    bool LearnAvailable() override { return learnAvailable; }
    bool Activate() override {
        calls.push_back("Activate");
        activated = activates;
        return activates;
    }
    void SetPause(bool paused) override { calls.push_back(paused ? "Pause" : "Resume"); }
    void InstallCallback() override { calls.push_back("Callback"); }
    std::string Learn() override { return learnt; }
    bool IsActivated() override {
        calls.push_back("IsActivated");
        return activated;
    }
    void Deactivate() override {
        calls.push_back("Deactivate");
        activated = false;
    }
    void StartTimer(LearnTimer timer, unsigned milliseconds) override {
        calls.push_back(Name(timer) + " " + std::to_string(milliseconds));
    }
    void StopTimer(LearnTimer timer) override { calls.push_back("Stop " + Name(timer)); }
    void ShowMessage(const DialogMessage& message) override {
        EXPECT_EQ(message, kTooManyCommandCodes);
        calls.push_back("Message");
    }

  private:
    static std::string Name(LearnTimer timer) { return timer == LearnTimer::Start ? "Start" : "ButtonPause"; }
};

class LearnModelTest : public ::testing::Test {
  protected:
    LearnModelTest() { UseSettingsBackend(&settings); }
    ~LearnModelTest() override { UseSettingsBackend(nullptr); }

    // Events as the dialog delivers them: "@start" and "@pause" are the
    // timers, "#n" sets the number of buttons, "!command" clicks "Command...",
    // "!cancel" and "!batch" the two cancel buttons; anything else is a
    // received command string.
    static void Deliver(LearnModel& model, const std::string& event) {
        if (event == "@start") return model.TimerFired(LearnTimer::Start);
        if (event == "@pause") return model.TimerFired(LearnTimer::ButtonPause);
        if (event == "!command") return model.CommandClicked();
        if (event == "!cancel") return model.Cancel();
        if (event == "!batch") return model.CancelBatch();
        if (event[0] == '#') return model.SetButtonCount(std::stoi(event.substr(1)));
        model.Received(event);
    }

    MemorySettings settings;
    Recorder recorder;
};

TEST_F(LearnModelTest, SamplingJoinsVariantsAndButtons) {
    const LearnEnd Ok = LearnEnd::Ok, Open = LearnEnd::None;
    const struct {
        const char* name;
        int sampleCount;
        int tolerance;
        const char* events;  // after Shown, separated by blanks
        LearnEnd end;
        const char* learnt;
        int messages;
    } cases[] = {
        {"five identical presses", 5, 1, "@start A A A A A", Ok, "A", 0},
        {"four are not enough", 5, 1, "@start A A A A", Open, "", 0},
        {"alternating within tolerance", 5, 2, "@start A B A B A", Ok, "A,B", 0},
        {"second string over tolerance restarts", 5, 1, "@start A A B A A A A", Open, "", 1},
        {"third string restarts from no presses", 5, 2, "@start A B C C C C C", Open, "", 1},
        {"restart forgets the variants", 5, 2, "@start A B C C D C D C", Ok, "C,D", 1},
        {"part of a known string is no variant", 3, 1, "@start 1FE48B7 E48 1FE48B7", Ok, "1FE48B7", 0},
        {"a string around a known one is new", 5, 1, "@start E48 1FE48B7", Open, "", 1},
        {"two buttons", 2, 1, "@start #2 A A @pause C C", Ok, "A;C", 0},
        {"presses during the pause are dropped", 2, 1, "@start #2 A A B B @pause C C", Ok, "A;C", 0},
        {"presses before the start are dropped", 2, 1, "B @start A A", Ok, "A", 0},
        {"restart keeps earlier buttons", 2, 1, "@start #2 A A @pause C D C C", Ok, "A;C", 1},
        {"four buttons", 1, 1, "@start #4 A @pause B @pause C @pause D", Ok, "A;B;C;D", 0},
        {"at most four buttons", 1, 1, "@start #9 A @pause B @pause C @pause D", Ok, "A;B;C;D", 0},
        {"fewer buttons than the one learnt", 1, 1, "@start #3 A @pause #1 C", Ok, "A;C", 0},
        {"Command... counts as a press", 2, 1, "@start !command X", Ok, "X", 0},
        {"cancel ends at once", 2, 1, "@start A !cancel A", LearnEnd::Cancel, "", 0},
        {"cancel batch", 2, 1, "@start !batch", LearnEnd::CancelBatch, "", 0},
    };
    recorder.learnt = "X";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSetting(setting::SampleCount, c.sampleCount);
        WriteSetting(setting::Tolerance, c.tolerance);
        recorder.calls.clear();
        LearnModel model(recorder, recorder, false);
        model.Shown();
        std::istringstream events(c.events);
        for (std::string event; events >> event;) Deliver(model, event);
        EXPECT_EQ(model.End(), c.end);
        EXPECT_EQ(model.Learnt(), c.learnt);
        EXPECT_EQ(std::count(recorder.calls.begin(), recorder.calls.end(), "Message"), c.messages);
    }
}

TEST_F(LearnModelTest, SettingsAreReadAtEveryPressAndTheCommandIsCut) {
    WriteSetting(setting::SampleCount, 5);
    LearnModel model(recorder, recorder, false);
    model.Shown();
    model.TimerFired(LearnTimer::Start);
    model.SetButtonCount(2);
    const std::string press(300, 'x');
    model.Received(press);
    WriteSetting(setting::Tolerance, 2);
    model.Received("y");
    WriteSetting(setting::SampleCount, 1);  // below the presses made
    model.Received(press);
    model.TimerFired(LearnTimer::ButtonPause);
    model.Received("z");
    ASSERT_EQ(model.End(), LearnEnd::Ok);
    EXPECT_EQ(model.Learnt(), (press + ",y;z").substr(0, 254));
    EXPECT_EQ(model.GaugeMaximum(), 5);
}

TEST_F(LearnModelTest, DriverAndTimerCallsInOrder) {
    WriteSetting(setting::SampleCount, 2);
    LearnModel model(recorder, recorder, false);
    model.SetButtonCount(2);
    model.Shown();
    for (const char* event : {"@start", "@start", "A", "B", "A", "A", "@pause", "!cancel"})
        Deliver(model, event);
    model.Closing();
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{
                                  "Start 500", "Stop Start", "Activate", "Resume", "Callback", "Stop Start",
                                  "Pause", "Message", "Resume", "Pause", "ButtonPause 1500",
                                  "Stop ButtonPause", "Resume", "IsActivated", "Deactivate"}));
    EXPECT_FALSE(recorder.activated);
}

TEST_F(LearnModelTest, ReceiverThatCannotBeActivatedEndsTheBatch) {
    recorder.activates = false;
    LearnModel model(recorder, recorder, true);
    model.Shown();
    model.TimerFired(LearnTimer::Start);
    model.Closing();
    EXPECT_EQ(model.End(), LearnEnd::CancelBatch);
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"Start 500", "Stop Start", "Activate", "IsActivated"}));
}

TEST_F(LearnModelTest, WhatTheDialogShows) {
    WriteSetting(setting::SampleCount, 2);
    for (bool batch : {false, true}) {
        recorder.learnAvailable = batch;
        LearnModel model(recorder, recorder, batch);
        EXPECT_EQ(model.CancelCaption(), batch ? "Next" : "Cancel");
        model.Shown();
        EXPECT_EQ(model.Tip(), "Wait...");
        EXPECT_TRUE(model.Busy());
        model.TimerFired(LearnTimer::Start);
        EXPECT_FALSE(model.Busy());
        EXPECT_EQ(
            model.Tip(),
            batch ? "Execute command with the remote controller device or use \"Command...\" button to learn!"
                  : "Execute command with the remote controller device until progress bar reaches 100%!");
        model.SetButtonCount(2);
        EXPECT_EQ(model.ButtonLabel(), "Learn button 1/2");
        model.Received("A");
        EXPECT_EQ(model.Gauge(), 1);
        EXPECT_EQ(model.Commands(), std::vector<std::string>{"A"});
        model.Received("A");
        EXPECT_EQ(model.ButtonLabel(), "Learn button 2/2");
        EXPECT_EQ(model.Gauge(), 0);
        EXPECT_TRUE(model.Commands().empty());
        EXPECT_TRUE(model.Busy());
    }
}

}  // namespace
