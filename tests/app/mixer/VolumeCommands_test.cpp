// The volume commands on the first device that takes them.
#include "app/mixer/VolumeCommands.h"

#include <gtest/gtest.h>

#include "tests/app/mixer/FakeVolumeDevice.h"

namespace {

VolumeState Values(int64_t left, int64_t right, int32_t mute) {
    VolumeState state;
    state.left = left;
    state.right = right;
    state.mute = mute;
    return state;
}

class VolumeCommandsTest : public ::testing::Test {
  protected:
    VolumeCommandsTest() {
        auto first = std::make_unique<FakeVolumeDevice>();
        auto second = std::make_unique<FakeVolumeDevice>();
        endpoint = first.get();
        mixer = second.get();
        std::vector<std::unique_ptr<VolumeDevice>> devices;
        devices.push_back(std::move(first));
        devices.push_back(std::move(second));
        commands = std::make_unique<VolumeCommands>(std::move(devices));
    }

    FakeVolumeDevice* endpoint;
    FakeVolumeDevice* mixer;
    std::unique_ptr<VolumeCommands> commands;
};

TEST_F(VolumeCommandsTest, VolumeUpStepsEachChannelFromSilence) {
    endpoint->values = Values(0, 0, 0);
    commands->StepVolume(true);
    EXPECT_EQ(endpoint->values->left, 1);
    EXPECT_EQ(endpoint->values->right, 1);
    commands->StepVolume(true);
    EXPECT_EQ(endpoint->values->left, 1201);
    EXPECT_EQ(endpoint->values->right, 1201);
    EXPECT_EQ(mixer->reads, 0);
}

TEST_F(VolumeCommandsTest, VolumeUpMakesProgressOnADeviceThatRoundsALevelDown) {
    // The device shows 1 as 0: each step continues from the level written.
    endpoint->granularity = 2000;
    endpoint->values = Values(0, -1, 0);
    std::vector<int64_t> shown;
    for (int step = 0; step < 4; ++step) {
        commands->StepVolume(true);
        shown.push_back(endpoint->values->left);
    }
    EXPECT_EQ(shown, (std::vector<int64_t>{0, 0, 2000, 2000}));
    commands->StepVolume(true);  // from 3601 written
    EXPECT_EQ(endpoint->values->left, 4000);

    // A level changed by another program meanwhile is taken as it is.
    endpoint->values->left = 10000;
    commands->StepVolume(true);
    EXPECT_EQ(endpoint->values->left, 10000);  // 11200 rounded down
    endpoint->values->left = 30000;
    commands->StepVolume(false);
    EXPECT_EQ(endpoint->values->left, 28000);  // 28800 rounded down
}

TEST_F(VolumeCommandsTest, ChannelsStepSeparatelyAndStopAtTheEnds) {
    endpoint->values = Values(65000, 0, 0);
    commands->StepVolume(true);
    EXPECT_EQ(endpoint->values->left, 65536);
    EXPECT_EQ(endpoint->values->right, 1);
    commands->StepVolume(true);
    EXPECT_EQ(endpoint->values->left, 65536);
    endpoint->values = Values(500, 3000, 0);
    commands->StepVolume(false);
    EXPECT_EQ(endpoint->values->left, 0);
    EXPECT_EQ(endpoint->values->right, 1800);
}

TEST_F(VolumeCommandsTest, AMonoDeviceKeepsItsMissingRightVolume) {
    endpoint->values = Values(500, -1, 0);
    commands->StepVolume(false);
    EXPECT_EQ(endpoint->values->left, 0);
    EXPECT_EQ(endpoint->values->right, -1);
}

TEST_F(VolumeCommandsTest, ToggleMuteTwiceReturnsToTheStartAndVolumeLeavesTheMute) {
    endpoint->values = Values(20000, 21000, 0);
    commands->ToggleMute();
    EXPECT_EQ(endpoint->values->mute, 1);
    commands->StepVolume(true);
    EXPECT_EQ(endpoint->values->mute, 1);
    commands->ToggleMute();
    EXPECT_EQ(endpoint->values->mute, 0);
    EXPECT_EQ(endpoint->values->left, 21200);
    EXPECT_EQ(endpoint->values->right, 22200);
}

TEST_F(VolumeCommandsTest, AnUnknownMuteStateTogglesToNotMuted) {
    endpoint->values = Values(20000, 20000, -1);
    commands->ToggleMute();
    EXPECT_EQ(endpoint->values->mute, 0);
}

TEST_F(VolumeCommandsTest, AMissingFirstDeviceHandsOverToTheNext) {
    mixer->values = Values(0, 0, 0);
    commands->StepVolume(true);
    commands->ToggleMute();
    EXPECT_EQ(endpoint->writes, 0);
    EXPECT_EQ(mixer->values->left, 1);
    EXPECT_EQ(mixer->values->mute, 1);
}

TEST_F(VolumeCommandsTest, ARefusedChangeIsMadeOnTheNextDeviceFromItsOwnValues) {
    endpoint->values = Values(30000, -1, 0);
    endpoint->refusesVolume = true;
    mixer->values = Values(1000, 2000, 0);
    commands->StepVolume(true);
    EXPECT_EQ(mixer->values->left, 2200);
    EXPECT_EQ(mixer->values->right, 3200);
    // The mute, which the first device takes, stays there.
    commands->ToggleMute();
    EXPECT_EQ(endpoint->values->mute, 1);
    EXPECT_EQ(mixer->values->mute, 0);
}

TEST_F(VolumeCommandsTest, WithoutAnyDeviceNothingIsWritten) {
    commands->StepVolume(true);
    commands->StepVolume(false);
    commands->ToggleMute();
    EXPECT_EQ(endpoint->writes, 0);
    EXPECT_EQ(mixer->writes, 0);
    EXPECT_EQ(mixer->reads, 3);
}

}  // namespace
