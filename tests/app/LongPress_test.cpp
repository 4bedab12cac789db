// Timelines of one remote's presses, from the driver to the items they run:
// the receiver's hold watch marks holds and releases, the dispatch picks the
// short or the long item of the button.
#include <gtest/gtest.h>

#include "app/logic/Dispatcher.h"
#include "receiver/Delivery.h"
#include "tests/app/ExecutorFixture.h"

namespace {

using namespace std::chrono_literals;

// At ms, the driver reports button (repeat count: 0 press, n repeat, -1 release).
struct Step {
    int ms;
    const char* button;
    int repeatCount;
};

using Steps = std::vector<Step>;

// A press at from and repeats every 110 ms up to until, as an IR remote sends.
Steps Held(const char* button, int from, int until) {
    Steps steps{{from, button, 0}};
    for (int at = from + 110, n = 1; at <= until; at += 110, ++n) steps.push_back({at, button, n});
    return steps;
}

Steps operator+(Steps a, const Steps& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Timeline {
    const char* what;
    const char* shortKeys;  // the short item of "ok" ("" for none)
    const char* longKeys;   // its long item
    Steps steps;
    std::vector<std::string> runs;  // "<key>@<ms>"
};

class LongPressTest : public ExecutorFixture {
  protected:
    // A fresh receiver for each timeline; its buttons are named apart.
    void Start(const Timeline& t, const std::string& ok, const std::string& up) {
        delivery = std::make_unique<Delivery>([this] { ++wakes; });
        delivery->SetCallback({[](void* self, const char* command) {
                                   static_cast<LongPressTest*>(self)->dispatcher.ReceiveIRCommand(command);
                               },
                               this});
        delivery->SetHoldReports(true);
        if (*t.shortKeys) items.AddMacro("Short " + ok, t.shortKeys, ok);
        if (*t.longKeys) items.AddMacro("Long " + ok, t.longKeys, ok + "@hold");
        items.AddMacro("Up " + up, "u", up);
        runs.clear();
        ms = 0;
    }

    // The host's message loop: delivers, and follows the repeat mode the
    // dispatch sets.
    void Pump() {
        for (; wakes > 0; --wakes) delivery->DeliverNext();
        for (const std::string& call : hooks.calls)
            if (call == "repeat on" || call == "repeat off") delivery->SetRepeat(call == "repeat on");
        hooks.calls.clear();
        for (; seen < desktop.events.size(); ++seen)
            if (desktop.events[seen].rfind("down ", 0) == 0)
                runs.push_back(std::string(1, char(std::stoi(desktop.events[seen].substr(5)))) + "@" +
                               std::to_string(ms));
    }

    // The release timer, up to until.
    void RunUntil(int until) {
        for (auto next = delivery->CheckRelease(At(ms)); next && *next <= At(until);
             next = delivery->CheckRelease(At(ms))) {
            ms = static_cast<int>((*next - At(0)) / 1ms);
            delivery->CheckRelease(At(ms));
            Pump();
        }
        ms = until;
    }

    static Delivery::Clock::time_point At(int ms) { return Delivery::Clock::time_point{} + ms * 1ms; }

    int wakes = 0;
    std::unique_ptr<Delivery> delivery;
    FakeTimers timers;
    Dispatcher dispatcher{items, desktop, timers, hooks, executor};
    std::vector<std::string> runs;
    std::size_t seen = 0;
    int ms = 0;
};

TEST_F(LongPressTest, TimelinesRunTheShortOrTheLongItem) {
    // clang-format off
    const std::vector<Timeline> timelines{
        {"short item only: at once", "s", "", {{0, "ok", 0}}, {"S@0"}},
        {"short item only, held: once", "s", "", Held("ok", 0, 1000), {"S@0"}},
        {"tap: when the repeats fail to come", "s", "l", {{0, "ok", 0}}, {"S@650"}},
        {"tap with an exact release", "s", "l", {{0, "ok", 0}, {80, "ok", -1}}, {"S@80"}},
        {"let go before the hold time", "s", "l", Held("ok", 0, 330), {"S@545"}},
        {"held: the long item once", "s", "l", Held("ok", 0, 1000), {"L@660"}},
        {"held, REPEAT long item: again on each repeat", "s", "REPEAT,l", Held("ok", 0, 900), {"L@660", "L@770", "L@880"}},
        {"long item only, tap: nothing", "", "l", {{0, "ok", 0}, {100, "ok", -1}}, {}},
        {"long item only, held", "", "l", Held("ok", 0, 700), {"L@660"}},
        {"released exactly at the hold time", "s", "l", {{0, "ok", 0}, {400, "ok", 1}, {600, "ok", -1}}, {"S@600"}},
        {"a repeat exactly at the hold time", "s", "l", {{0, "ok", 0}, {300, "ok", 1}, {600, "ok", 2}}, {"L@600"}},
        {"a late repeat does not press again", "s", "l", Held("ok", 0, 220) + Steps{{700, "ok", 3}}, {"S@435"}},
        {"another button ends the hold", "s", "l", Held("ok", 0, 110) + Held("up", 150, 150), {"S@150", "U@150"}},
        {"the second tap is told sooner: the pace is known", "s", "l", Held("ok", 0, 110) + Steps{{600, "ok", 0}}, {"S@460", "S@815"}},
    };
    // clang-format on
    int row = 0;
    for (const Timeline& t : timelines) {
        SCOPED_TRACE(t.what);
        const std::string ok = "ok" + std::to_string(++row), up = "up" + std::to_string(row);
        Start(t, ok, up);
        for (const Step& step : t.steps) {
            RunUntil(step.ms);
            delivery->Arrive(step.button == std::string("ok") ? ok : up, step.repeatCount, At(ms));
            Pump();
        }
        RunUntil(ms + 5000);
        EXPECT_EQ(runs, t.runs);
    }
}

}  // namespace
