// The volume commands on the devices of a Wine session: the endpoint takes
// the mute but refuses a volume (E_NOTIMPL), which then goes to the master
// line of the mixer. Wine keeps an endpoint's mute in the one interface
// object that set it, and each use looks the endpoint up afresh, so a mute
// taken by the endpoint cannot be read back here.
#include "app/mixer/win/SystemVolume.h"

#include <gtest/gtest.h>

#include "app/mixer/win/EndpointVolume.h"
#include "tests/app/mixer/win/WinmmMaster.h"

namespace {

DWORD MixerVolume(WinmmMaster& winmm) { return (*winmm.Get(MIXERCONTROL_CONTROLTYPE_VOLUME))[0]; }

TEST(EndpointVolume, ReadsOneLevelAndTheMuteAndTakesOnlyTheMuteUnderWine) {
    EndpointVolume endpoint;
    const std::optional<VolumeState> state = endpoint.Read();
    ASSERT_TRUE(state.has_value());
    EXPECT_GE(state->left, 0);
    EXPECT_LE(state->left, kVolumeMaximum);
    EXPECT_EQ(state->right, -1);
    EXPECT_EQ(state->mute, 0);

    VolumeState mute;
    mute.mute = 1;
    EXPECT_TRUE(endpoint.Write(mute));
    VolumeState level;
    level.left = 30000;
    EXPECT_FALSE(endpoint.Write(level));
}

TEST(SystemVolume, VolumeStepsFallBackToTheMixerFromSilenceBy1And1200) {
    WinmmMaster winmm;
    ASSERT_TRUE(winmm.Set(MIXERCONTROL_CONTROLTYPE_VOLUME, 0));
    const auto volume = CreateSystemVolumeControl();
    volume->StepVolume(true);
    EXPECT_EQ(MixerVolume(winmm), 1u);
    volume->StepVolume(true);
    EXPECT_EQ(MixerVolume(winmm), 1201u);
    volume->StepVolume(false);
    EXPECT_EQ(MixerVolume(winmm), 1u);
    volume->StepVolume(false);
    EXPECT_EQ(MixerVolume(winmm), 0u);
}

TEST(SystemVolume, VolumeUpNearTheTopGoesToTheTop) {
    WinmmMaster winmm;
    ASSERT_TRUE(winmm.Set(MIXERCONTROL_CONTROLTYPE_VOLUME, 65000));
    CreateSystemVolumeControl()->StepVolume(true);
    // 65536, written within the bounds of Wine's volume control.
    EXPECT_EQ(MixerVolume(winmm), 65535u);
}

TEST(SystemVolume, ToggleMuteGoesToTheEndpointAndLeavesTheMixerAlone) {
    WinmmMaster winmm;
    ASSERT_TRUE(winmm.Set(MIXERCONTROL_CONTROLTYPE_VOLUME, 40000));
    ASSERT_TRUE(winmm.Set(MIXERCONTROL_CONTROLTYPE_MUTE, 0));
    const auto volume = CreateSystemVolumeControl();
    volume->ToggleMute();
    volume->ToggleMute();
    volume->ToggleMute();
    EXPECT_EQ((*winmm.Get(MIXERCONTROL_CONTROLTYPE_MUTE))[0], 0u);
    EXPECT_EQ(MixerVolume(winmm), 40000u);
}

}  // namespace
