#include "LaunchCommand.h"

#include <gtest/gtest.h>

namespace {

TEST(LaunchCommand, NewCommandAllowsOneInstanceAndReadsBack) {
    LaunchElement fields = NewLaunchFields();
    EXPECT_EQ(WriteLaunchElement(fields), "LAUNCH:I:");  // the file name is not checked
    fields.file = "C:\\Tools\\ed.exe";
    const std::string token = WriteLaunchElement(fields);
    EXPECT_EQ(token, "LAUNCH:I:C:\\Tools\\ed.exe");
    const LaunchElement read = SplitLaunch(token);
    EXPECT_EQ(read.file, fields.file);
    EXPECT_TRUE(read.oneInstance);
    EXPECT_FALSE(read.deactivate);
    EXPECT_EQ(SplitLaunch("LAUNCH:D:\\Tools\\x.exe").file, "D:\\Tools\\x.exe");
}

// Parameters stay apart from the file only after a program's name.
TEST(LaunchCommand, ParametersOnlyForAProgram) {
    const struct {
        const char* file;
        const char* parameters;
        bool accepted;
    } cases[] = {
        {"C:\\Tools\\ed.exe", "/n notes.txt", true},
        {"run.BAT", "a", true},
        {"C:\\Docs\\notes.txt", "", true},
        {"C:\\Docs\\notes.txt", "/p", false},
        {"", "/p", false},
    };
    for (const auto& c : cases) {
        LaunchElement fields;
        fields.file = c.file;
        fields.parameters = c.parameters;
        EXPECT_EQ(LaunchRefusal(fields), c.accepted ? std::nullopt : std::optional(kParametersNeedAProgram))
            << c.file;
    }
}

}  // namespace
