#include "receiver/Backoff.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace std::chrono_literals;
using Waits = std::vector<std::chrono::milliseconds>;

Waits NextWaits(Backoff& backoff, int count) {
    Waits waits;
    for (int i = 0; i < count; ++i) waits.push_back(backoff.Next());
    return waits;
}

TEST(Backoff, DoublesFromAQuarterSecondToFiveSecondsAndStaysThere) {
    Backoff backoff;
    EXPECT_EQ(NextWaits(backoff, 8), (Waits{250ms, 500ms, 1000ms, 2000ms, 4000ms, 5000ms, 5000ms, 5000ms}));
    // However long the server stays away, the wait neither grows nor wraps.
    for (int i = 0; i < 100000; ++i) ASSERT_EQ(backoff.Next(), 5000ms);
}

TEST(Backoff, StartsShortAgainAfterAReset) {
    Backoff backoff;
    NextWaits(backoff, 3);
    backoff.Reset();
    EXPECT_EQ(NextWaits(backoff, 2), (Waits{250ms, 500ms}));
}

}  // namespace
