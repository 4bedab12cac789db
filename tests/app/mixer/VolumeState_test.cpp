// The arithmetic of one volume step and of one mute toggle.
#include "VolumeState.h"

#include <gtest/gtest.h>

namespace {

TEST(SteppedVolume, UpFromSilenceGoesToOneThenBySteps) {
    EXPECT_EQ(SteppedVolume(0, true), 1);
    EXPECT_EQ(SteppedVolume(1, true), 1201);
    EXPECT_EQ(SteppedVolume(30000, true), 31200);
}

TEST(SteppedVolume, UpStopsAtTheTopOfTheScale) {
    EXPECT_EQ(SteppedVolume(65535 - 1199, true), 65536);
    EXPECT_EQ(SteppedVolume(65535, true), 65536);
    EXPECT_EQ(SteppedVolume(65536, true), 65536);
    EXPECT_EQ(SteppedVolume(65536 - 1200, true), 65536);
}

TEST(SteppedVolume, DownStopsAtSilence) {
    EXPECT_EQ(SteppedVolume(31200, false), 30000);
    EXPECT_EQ(SteppedVolume(1200, false), 0);
    EXPECT_EQ(SteppedVolume(500, false), 0);
    EXPECT_EQ(SteppedVolume(0, false), 0);
}

TEST(SteppedVolume, AMissingValueStaysMissing) {
    EXPECT_EQ(SteppedVolume(-1, true), -1);
    EXPECT_EQ(SteppedVolume(-1, false), -1);
}

TEST(ToggledMute, FlipsAndTurnsAnUnknownStateIntoNotMuted) {
    EXPECT_EQ(ToggledMute(0), 1);
    EXPECT_EQ(ToggledMute(1), 0);
    EXPECT_EQ(ToggledMute(-1), 0);
    EXPECT_EQ(ToggledMute(ToggledMute(0)), 0);
}

}  // namespace
