#include "editing/LaunchAppModel.h"

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

}  // namespace
