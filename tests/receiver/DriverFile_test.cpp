#include "receiver/DriverFile.h"

#include <gtest/gtest.h>

TEST(DriverFileName, EmptySelectsTheLocalReceiver) { EXPECT_EQ(DriverFileName(""), "tovlocal.dll"); }

TEST(DriverFileName, AFileNameIsUsedAsItIs) { EXPECT_EQ(DriverFileName("tovnet.dll"), "tovnet.dll"); }

TEST(DriverFileName, RefusesAnythingOutsideTheProgramFolder) {
    for (const char* setting : {"..\\evil.dll", "C:\\x.dll", "sub/x.dll", "x:y", ".", ".."})
        EXPECT_FALSE(DriverFileName(setting)) << setting;
}
