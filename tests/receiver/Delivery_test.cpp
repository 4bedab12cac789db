#include "receiver/Delivery.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Commands = std::vector<std::string>;

// A host: records the commands its callback gets and how often it was woken.
class DeliveryTest : public testing::Test {
  protected:
    DeliveryTest() { delivery.SetCallback({&Record, this}); }

    static void Record(void* context, const char* command) {
        auto* self = static_cast<DeliveryTest*>(context);
        self->received.emplace_back(command);
        self->heard.push_back(std::string("call ") + command);
        if (self->duringCall) self->duringCall(command);
    }

    static void Hear(void* context, const char* command, int repeatCount, int fate) {
        static_cast<DeliveryTest*>(context)->heard.push_back(
            std::string(command) + " " + std::to_string(repeatCount) + " " + std::to_string(fate));
    }

    // What the host's message loop does: deliver while woken.
    void Pump() {
        while (wakes > 0) {
            --wakes;
            delivery.DeliverNext();
        }
    }

    void Press(const std::string& command, int repeatCount = 0) {
        delivery.Arrive(command, repeatCount, now);
    }

    std::atomic<int> wakes{0};
    Delivery delivery{[this] { ++wakes; }};
    Commands received;
    // The watch's notes ("command repeat fate") and the calls, in order.
    Commands heard;
    std::function<void(const char*)> duringCall;
    Delivery::Clock::time_point now{};
};

TEST_F(DeliveryTest, HandsPressesToTheCallbackInOrder) {
    Press("a");
    Press("b");
    Press("c");
    EXPECT_TRUE(received.empty()) << "only on the host's thread";
    EXPECT_EQ(wakes, 1) << "one wake-up for a batch";
    wakes = 0;
    int more = 1;
    delivery.DeliverNext([&] { return more-- > 0; });
    EXPECT_EQ(received, (Commands{"a", "b"})) << "one wake-up goes on while the host lets it";
    EXPECT_EQ(wakes, 1) << "and asks again for the rest";
    Pump();
    EXPECT_EQ(received, (Commands{"a", "b", "c"}));
}

TEST_F(DeliveryTest, CommandsAreMadeSafeAndEmptyOnesDropped) {
    Press("x;y,z");
    Press("");
    Press(std::string(300, 'q'));
    Pump();
    EXPECT_EQ(received, (Commands{"x_y_z", std::string(128, 'q')}));
}

TEST_F(DeliveryTest, WithoutACallbackNothingIsKept) {
    delivery.SetCallback({nullptr, nullptr});
    Press("a");
    delivery.SetCallback({&Record, this});
    Pump();
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(wakes, 0);
}

TEST_F(DeliveryTest, ANewCallbackGetsTheWaitingCommands) {
    Press("a");
    Commands other;
    delivery.SetCallback(
        {[](void* context, const char* c) { static_cast<Commands*>(context)->emplace_back(c); }, &other});
    Pump();
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(other, (Commands{"a"}));
}

TEST_F(DeliveryTest, CommandsReceivedWhilePausedAreDropped) {
    delivery.SetPause(true);
    Press("a");
    delivery.SetPause(false);
    Press("b");
    Pump();
    EXPECT_EQ(received, (Commands{"b"}));
}

TEST_F(DeliveryTest, NoCallbackWhilePausedEvenForCommandsThatWaited) {
    Press("a");
    delivery.SetPause(true);
    Pump();
    delivery.SetPause(false);
    Press("b");
    Pump();
    EXPECT_EQ(received, (Commands{"b"}));
}

TEST_F(DeliveryTest, WithRepeatOffAHeldButtonCountsOnce) {
    for (int i = 0; i < 5; ++i) Press("a", i);
    Press("b", 0);
    Pump();
    EXPECT_EQ(received, (Commands{"a", "b"}));
}

TEST_F(DeliveryTest, WithRepeatOnEveryRepeatCounts) {
    delivery.SetRepeat(true);
    for (int i = 0; i < 4; ++i) {
        Press("a", i);
        Pump();
    }
    EXPECT_EQ(received, (Commands{"a", "a", "a", "a"}));
}

TEST_F(DeliveryTest, TurningRepeatOffDropsWaitingRepeats) {
    delivery.SetRepeat(true);
    Press("a", 0);
    Press("a", 1);
    delivery.SetRepeat(false);
    Pump();
    EXPECT_EQ(received, (Commands{"a"}));
}

TEST_F(DeliveryTest, RepeatTurnedOnByTheCallbackCountsForTheRepeatsOfThisPress) {
    // As the host does: each macro sets the repeat mode before it runs.
    duringCall = [&](const char*) {
        delivery.SetRepeat(true);
        if (received.size() == 1) Press("a", 1);
    };
    Press("a", 0);
    Pump();
    EXPECT_EQ(received, (Commands{"a", "a"}));
}

TEST_F(DeliveryTest, ACommandArrivingDuringACallWaitsUntilItReturns) {
    bool inCall = false;
    duringCall = [&](const char* command) {
        ASSERT_FALSE(inCall) << "called again while running, with " << command;
        inCall = true;
        if (std::string(command) == "a") {
            Press("b");
            // A modal dialog inside the callback runs a message loop.
            Pump();
            EXPECT_EQ(received, (Commands{"a"}));
        }
        inCall = false;
    };
    Press("a");
    Pump();
    EXPECT_EQ(received, (Commands{"a", "b"}));
}

TEST_F(DeliveryTest, WhileBusyOneRepeatStandsForTheWholeHold) {
    delivery.SetRepeat(true);
    duringCall = [&](const char*) {
        if (received.size() == 1)
            for (int i = 1; i <= 10; ++i) Press("a", i);
    };
    Press("a", 0);
    Pump();
    EXPECT_EQ(received, (Commands{"a", "a"}));
}

TEST_F(DeliveryTest, NewPressesAllWaitWhileBusy) {
    duringCall = [&](const char*) {
        if (received.size() == 1) {
            Press("a");
            Press("a");
            Press("b");
        }
    };
    Press("a");
    Pump();
    EXPECT_EQ(received, (Commands{"a", "a", "a", "b"}));
}

TEST_F(DeliveryTest, AtMost64CommandsWait) {
    // Notes of the dropped ones for a watch take no command's place.
    delivery.SetWatchCallback({&Hear, this});
    for (int i = 0; i < 100; ++i) Press("c" + std::to_string(i));
    Pump();
    ASSERT_EQ(received.size(), Delivery::kMaxWaiting);
    EXPECT_EQ(received.back(), "c63");
    EXPECT_EQ(heard.back(), "c99 0 3");
}

TEST_F(DeliveryTest, ClearDropsWaitingCommands) {
    Press("a");
    delivery.Clear();
    Press("b");
    Pump();
    EXPECT_EQ(received, (Commands{"b"}));
}

// What the watch hears: each press and repeat in order with its fate
// (0 handed over, 1 repeat, 2 paused), just before the callback gets
// the ones handed over.
TEST_F(DeliveryTest, TheWatchHearsEveryPressWithItsFate) {
    const auto held = [this](int repeats) {
        for (int i = 0; i <= repeats; ++i) Press("a", i);
    };
    const struct {
        const char* name;
        std::function<void()> presses;
        Commands heard;
    } cases[] = {
        {"repeat off", [&] { held(1); }, {"a 0 0", "call a", "a 1 1"}},
        {"held back",
         [&] {
             delivery.SetRepeat(true), delivery.SetFirstRepeatDelay({1, 0ms}), held(2);
         },
         {"a 0 0", "call a", "a 1 1", "a 2 0", "call a"}},
        {"one repeat waits",
         [&] { delivery.SetRepeat(true), held(3); },
         {"a 0 0", "call a", "a 1 0", "call a", "a 2 1", "a 3 1"}},
        {"paused", [&] { delivery.SetPause(true), held(0); }, {"a 0 2"}},
        {"no callback",
         [&] {
             delivery.SetCallback({nullptr, nullptr}), held(0);
         },
         {"a 0 2"}},
    };
    for (const auto& c : cases) {
        delivery.SetCallback({&Record, this});
        delivery.SetPause(false);
        delivery.SetRepeat(false);
        delivery.SetFirstRepeatDelay({});
        delivery.SetWatchCallback({&Hear, this});
        c.presses();
        Pump();
        EXPECT_EQ(heard, c.heard) << c.name;
        delivery.Clear();
        heard.clear();
    }
    delivery.SetWatchCallback({nullptr, nullptr});
    delivery.SetCallback({&Record, this});
    held(1);
    Pump();
    EXPECT_EQ(heard, (Commands{"call a"})) << "without a watch only the calls";
}

TEST_F(DeliveryTest, FirstRepeatDelaySkipsEarlyRepeatsByCount) {
    delivery.SetRepeat(true);
    delivery.SetFirstRepeatDelay({2, 0ms});
    for (int i = 0; i < 5; ++i) {
        Press("a", i);
        Pump();
    }
    EXPECT_EQ(received, (Commands{"a", "a", "a"}));  // the press, repeats 3 and 4
}

TEST_F(DeliveryTest, FirstRepeatDelaySkipsEarlyRepeatsByTime) {
    delivery.SetRepeat(true);
    delivery.SetFirstRepeatDelay({0, 300ms});
    for (int i = 0; i < 5; ++i, now += 110ms) {
        Press("a", i);
        Pump();
    }
    EXPECT_EQ(received, (Commands{"a", "a", "a"}));  // the press at 0, repeats at 330 and 440 ms
}

TEST_F(DeliveryTest, FirstRepeatDelayStartsAgainWithEachPress) {
    delivery.SetRepeat(true);
    delivery.SetFirstRepeatDelay({1, 0ms});
    for (const auto& [command, count] : std::vector<std::pair<std::string, int>>{
             {"a", 0}, {"a", 1}, {"a", 2}, {"a", 0}, {"a", 1}, {"b", 1}, {"b", 2}})
        Press(command, count);
    Pump();
    // A repeat of b without its press starts b's hold.
    EXPECT_EQ(received, (Commands{"a", "a", "a", "b"}));
}

TEST_F(DeliveryTest, FirstRepeatDelayDoesNotDelayNewPresses) {
    delivery.SetFirstRepeatDelay({5, 1000ms});
    Press("a");
    Press("a");
    Pump();
    EXPECT_EQ(received, (Commands{"a", "a"}));
}

// Status texts, recorded among the commands with a "status: " in front.
class StatusDeliveryTest : public DeliveryTest {
  protected:
    StatusDeliveryTest() { delivery.SetStatusCallback({&RecordStatus, this}); }
    static void RecordStatus(void* context, const char* text) {
        Record(context, (std::string("status: ") + text).c_str());
    }
};

TEST_F(StatusDeliveryTest, StatusTextsComeOnTheHostsThreadBeforeWaitingCommands) {
    Press("a");
    delivery.ArriveStatus("lost");
    EXPECT_TRUE(received.empty());
    Pump();
    EXPECT_EQ(received, (Commands{"status: lost", "a"}));
}

TEST_F(StatusDeliveryTest, PauseDoesNotHoldBackStatusTexts) {
    delivery.SetPause(true);
    delivery.ArriveStatus("lost");
    Press("a");
    Pump();
    EXPECT_EQ(received, (Commands{"status: lost"}));
}

TEST_F(StatusDeliveryTest, TheLatestTextsWaitForAStatusCallback) {
    delivery.SetStatusCallback({nullptr, nullptr});
    for (int i = 0; i < 10; ++i) delivery.ArriveStatus(std::to_string(i));
    Pump();
    EXPECT_TRUE(received.empty());
    delivery.SetStatusCallback({&RecordStatus, this});
    ++wakes;  // as DRV_SetStatusProc wakes the host
    Pump();
    EXPECT_EQ(received, (Commands{"status: 2", "status: 3", "status: 4", "status: 5", "status: 6",
                                  "status: 7", "status: 8", "status: 9"}));
}

TEST_F(StatusDeliveryTest, TextsAreCutAndClearDropsThem) {
    delivery.ArriveStatus("stale");
    delivery.Clear();
    delivery.ArriveStatus(std::string(300, 'x'));
    Pump();
    EXPECT_EQ(received, (Commands{"status: " + std::string(Delivery::kMaxStatusLength, 'x')}));
}

TEST_F(StatusDeliveryTest, NeitherCallbackRunsWhileTheOtherDoes) {
    bool inCall = false;
    duringCall = [&](const char* text) {
        ASSERT_FALSE(inCall) << "called again while running, with " << text;
        inCall = true;
        if (std::string(text) == "a") {
            delivery.ArriveStatus("lost");
            Pump();
            EXPECT_EQ(received, (Commands{"a"}));
        }
        inCall = false;
    };
    Press("a");
    Pump();
    EXPECT_EQ(received, (Commands{"a", "status: lost"}));
}

// Here the host's thread sleeps until it is woken, as a message loop does.
class ThreadedDeliveryTest : public testing::Test {
  protected:
    static void Record(void* context, const char* command) {
        static_cast<ThreadedDeliveryTest*>(context)->received.emplace_back(command);
    }
    void Wake() {
        std::lock_guard lock(mutex);
        ++wakes;
        changed.notify_one();
    }

    std::mutex mutex;
    std::condition_variable changed;
    int wakes = 0;
    int sendersDone = 0;
    Delivery delivery{[this] { Wake(); }};
    Commands received;
};

TEST_F(ThreadedDeliveryTest, PressesFromManyThreadsAllArriveInTheirOrder) {
    delivery.SetCallback({&Record, this});
    constexpr int kThreads = 4, kPresses = 10;  // fewer than may wait at once
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < kPresses; ++i)
                delivery.Arrive(std::to_string(t) + ":" + std::to_string(i), 0, {});
            std::lock_guard lock(mutex);
            ++sendersDone;
            changed.notify_one();
        });
    for (;;) {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return wakes > 0 || sendersDone == kThreads; });
        if (wakes == 0) break;  // every sender is done and nothing waits
        --wakes;
        lock.unlock();
        delivery.DeliverNext();
    }
    for (auto& thread : threads) thread.join();
    ASSERT_EQ(received.size(), std::size_t{kThreads * kPresses});
    std::vector<int> next(kThreads, 0);
    for (const std::string& command : received) {
        const int t = command[0] - '0';
        EXPECT_EQ(command, std::to_string(t) + ":" + std::to_string(next[t]++));
    }
}

}  // namespace
