// The receiver monitor's line (each outcome's text: Dispatcher_test), and how many lines it keeps.
#include "app/logic/MonitorLines.h"

#include <gtest/gtest.h>

#include "receiver/tovdrv.h"

namespace {

TEST(MonitorLines, LineHoldsTimeCommandRepeatsAndOutcome) {
    const DispatchReport report{"0000000000000001 00 KEY_UP rc", 3, DispatchOutcome::RanMacro, "Up"};
    EXPECT_EQ(MonitorLineText(((13 * 60 + 5) * 60 + 9) * 1000LL + 42, report),
              "13:05:09.042\t0000000000000001 00 KEY_UP rc\t3\tran macro Up");
}

TEST(MonitorLines, CommandsThatNeverReachTheDispatchSayWhy) {
    const struct {
        int fate;
        bool learning;
        bool toDispatch;
        const char* outcome;  // none: the dispatch tells
    } rows[] = {
        {cfHandedOver, false, true, nullptr},
        {cfHandedOver, false, false, "to the command chooser"},
        {cfRepeatDropped, false, true, "skipped: repeat"},
        {cfPausedDropped, false, true, "skipped: receiver paused"},
        {cfBusyDropped, false, true, "skipped: too many presses waiting"},
        {cfHandedOver, true, false, "while learning"},
        {cfPausedDropped, true, false, "while learning"},
    };
    for (const auto& row : rows) {
        const auto outcome = ReceiverOutcome(row.fate, row.learning, row.toDispatch);
        EXPECT_EQ(outcome ? OutcomeText({"", 0, *outcome, ""}) : "-", row.outcome ? row.outcome : "-")
            << row.fate << row.learning << row.toDispatch;
    }
}

TEST(MonitorLines, KeepsTheNewestThousandAndCopiesTheSelected) {
    MonitorLines lines;
    for (int i = 0; i < 1000; ++i) EXPECT_FALSE(lines.Add(std::to_string(i)));
    EXPECT_TRUE(lines.Add("1000"));
    // The oldest went; places beyond the lines copy nothing.
    EXPECT_EQ(lines.Copy({0, 999, 1000}), "1\r\n1000\r\n");
}

}  // namespace
