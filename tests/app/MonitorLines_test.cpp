// What the receiver monitor says for each dispatch outcome, and how many lines it keeps.
#include "app/logic/MonitorLines.h"

#include <gtest/gtest.h>

namespace {

TEST(MonitorLines, SaysWhatTheDispatchDidWithEachCommand) {
    const struct {
        DispatchOutcome outcome;
        const char* name;
        const char* text;
    } rows[] = {
        {DispatchOutcome::RanMacro, "Volume up", "ran macro Volume up"},
        {DispatchOutcome::ChoseCommand, "Channels", "opened the command chooser of macro Channels"},
        {DispatchOutcome::ActivatedGroup, "Player", "activated group Player"},
        {DispatchOutcome::FirstOfSequence, "", "first button of a sequence"},
        {DispatchOutcome::NextOfSequence, "", "next button of a sequence"},
        {DispatchOutcome::NoItem, "", "no item"},
    };
    for (const auto& row : rows) EXPECT_EQ(OutcomeText({"up", 0, row.outcome, row.name}), row.text);
}

TEST(MonitorLines, LineHoldsTimeCommandRepeatsAndOutcome) {
    const DispatchReport report{"0000000000000001 00 KEY_UP rc", 3, DispatchOutcome::RanMacro, "Up"};
    EXPECT_EQ(MonitorLineText(((13 * 60 + 5) * 60 + 9) * 1000LL + 42, report),
              "13:05:09.042\t0000000000000001 00 KEY_UP rc\t3\tran macro Up");
    EXPECT_EQ(MonitorLineText(0, {"a;b", 0, DispatchOutcome::NoItem, ""}), "00:00:00.000\ta;b\t0\tno item");
}

TEST(MonitorLines, KeepsTheNewestThousandAndCopiesTheSelected) {
    MonitorLines lines;
    for (int i = 0; i < 1000; ++i) EXPECT_FALSE(lines.Add(std::to_string(i)));
    EXPECT_TRUE(lines.Add("1000"));
    EXPECT_EQ(lines.Lines().size(), 1000u);
    EXPECT_EQ(lines.Lines().front(), "1");
    EXPECT_EQ(lines.Copy({0, 999, 1000}), "1\r\n1000\r\n");
    lines.Clear();
    EXPECT_EQ(lines.Copy({0}), "");
}

}  // namespace
