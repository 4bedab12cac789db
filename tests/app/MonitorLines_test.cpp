// The receiver monitor's line (each outcome's text: Dispatcher_test), and how many lines it keeps.
#include "app/logic/MonitorLines.h"

#include <gtest/gtest.h>

namespace {

TEST(MonitorLines, LineHoldsTimeCommandRepeatsAndOutcome) {
    const DispatchReport report{"0000000000000001 00 KEY_UP rc", 3, DispatchOutcome::RanMacro, "Up"};
    EXPECT_EQ(MonitorLineText(((13 * 60 + 5) * 60 + 9) * 1000LL + 42, report),
              "13:05:09.042\t0000000000000001 00 KEY_UP rc\t3\tran macro Up");
}

TEST(MonitorLines, KeepsTheNewestThousandAndCopiesTheSelected) {
    MonitorLines lines;
    for (int i = 0; i < 1000; ++i) EXPECT_FALSE(lines.Add(std::to_string(i)));
    EXPECT_TRUE(lines.Add("1000"));
    // The oldest went; places beyond the lines copy nothing.
    EXPECT_EQ(lines.Copy({0, 999, 1000}), "1\r\n1000\r\n");
}

}  // namespace
