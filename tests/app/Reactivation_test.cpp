#include "app/logic/Reactivation.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/MemorySettings.h"
#include "core/Settings.h"

namespace {

TEST(Reactivation, IsDueWhenThePeriodIsOver) {
    EXPECT_FALSE(ReactivationDue(59, 1));
    EXPECT_TRUE(ReactivationDue(60, 1));
    EXPECT_FALSE(ReactivationDue(86399, 1440));
    EXPECT_TRUE(ReactivationDue(86400, 1440));
    // Minutes whose seconds do not fit 32 bits: the period is long, not negative.
    EXPECT_FALSE(ReactivationDue(INT_MAX, 35791395));
    EXPECT_FALSE(ReactivationDue(INT_MAX, INT_MAX));
}

TEST(Reactivation, AnyStoredTimeGivesAPeriodOfOneMinuteToOneDay) {
    MemorySettings memory;
    UseSettingsBackend(&memory);
    struct Case {
        int32_t stored;
        int periodSeconds;
    };
    for (const Case& c : {Case{0, 60}, Case{-1, 60}, Case{INT_MIN, 60}, Case{35791394, 86400},
                          Case{35791395, 86400}, Case{INT_MAX, 86400}}) {
        WriteSetting(setting::ReactivateTime, c.stored);
        const int minutes = ReadSetting(setting::ReactivateTime);
        EXPECT_FALSE(ReactivationDue(1, minutes)) << c.stored;
        EXPECT_FALSE(ReactivationDue(c.periodSeconds - 1, minutes)) << c.stored;
        EXPECT_TRUE(ReactivationDue(c.periodSeconds, minutes)) << c.stored;
    }
    UseSettingsBackend(nullptr);
}

}  // namespace
