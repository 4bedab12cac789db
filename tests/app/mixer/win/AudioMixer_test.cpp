// TAudioMixer on Wine's mixer (a null ALSA device gives Wine one mixer
// device whose destination 0 is "Master Volume").
#include "app/mixer/win/AudioMixer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/app/mixer/win/WinmmMaster.h"

namespace {

VolumeState Values(int64_t left, int64_t right, int32_t mute) {
    VolumeState state;
    state.left = left;
    state.right = right;
    state.mute = mute;
    return state;
}

TEST(AudioMixer, OpensDevice0AndMirrorsItsMasterLine) {
    TAudioMixer mixer;
    ASSERT_GE(mixer.DeviceCount(), 1);
    EXPECT_EQ(mixer.MixerID(), 0);
    EXPECT_EQ(mixer.Caps().cDestinations, mixer.Destinations().size());
    ASSERT_FALSE(mixer.Destinations().empty());
    const TMixerDestination& master = mixer.Destinations()[0];
    EXPECT_EQ(master.name, "Master Volume");
    bool hasVolume = false;
    for (const TMixerControl& control : master.controls) hasVolume |= control.type == kMixerVolumeControl;
    EXPECT_TRUE(hasVolume);
}

TEST(AudioMixer, AnIndexPastTheLastDeviceTakesTheLast) {
    TAudioMixer mixer;
    mixer.SetMixerID(mixer.DeviceCount() + 5);
    EXPECT_EQ(mixer.MixerID(), mixer.DeviceCount() - 1);
    EXPECT_FALSE(mixer.Destinations().empty());
}

TEST(AudioMixer, WritesAndReadsTheMasterLineAsWinmmSeesIt) {
    WinmmMaster winmm;
    TAudioMixer mixer;
    ASSERT_TRUE(winmm.Set(MIXERCONTROL_CONTROLTYPE_VOLUME, 20000));
    std::optional<VolumeState> read = mixer.ReadLine(0, -1);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->left, 20000);

    EXPECT_TRUE(mixer.WriteLine(0, -1, Values(30000, -1, -1)));
    const auto volumes = winmm.Get(MIXERCONTROL_CONTROLTYPE_VOLUME);
    ASSERT_TRUE(volumes.has_value());
    for (DWORD channel : *volumes) EXPECT_EQ(channel, 30000u);
    EXPECT_EQ(mixer.ReadLine(0, -1)->left, 30000);
    if (read->right != -1) {
        EXPECT_EQ(mixer.ReadLine(0, -1)->right, 30000);
    }
}

TEST(AudioMixer, WritesTheMuteWhenTheLineHasOne) {
    WinmmMaster winmm;
    TAudioMixer mixer;
    if (!winmm.Get(MIXERCONTROL_CONTROLTYPE_MUTE)) GTEST_SKIP() << "this mixer has no master mute";
    EXPECT_TRUE(mixer.WriteLine(0, -1, Values(-1, -1, 1)));
    EXPECT_EQ((*winmm.Get(MIXERCONTROL_CONTROLTYPE_MUTE))[0], 1u);
    EXPECT_EQ(mixer.ReadLine(0, -1)->mute, 1);
    EXPECT_TRUE(mixer.WriteLine(0, -1, Values(-1, -1, 0)));
    EXPECT_EQ(mixer.ReadLine(0, -1)->mute, 0);
}

TEST(AudioMixer, AMissingLineIsNeitherReadNorWritten) {
    TAudioMixer mixer;
    const int past = static_cast<int>(mixer.Destinations().size());
    EXPECT_FALSE(mixer.ReadLine(past, -1).has_value());
    EXPECT_FALSE(mixer.WriteLine(past, -1, Values(1, 1, 1)));
    EXPECT_FALSE(mixer.ReadLine(0, static_cast<int>(mixer.Destinations()[0].connections.size())).has_value());
}

TEST(AudioMixer, WritesTheTopOfTheScaleAsTheControlsMaximum) {
    WinmmMaster winmm;
    TAudioMixer mixer;
    EXPECT_TRUE(mixer.WriteLine(0, -1, Values(65536, -1, -1)));
    EXPECT_EQ((*winmm.Get(MIXERCONTROL_CONTROLTYPE_VOLUME))[0], 65535u);
}

// Wine's mixer sends no notifications: the device's messages are sent to the
// mixer's message window as a device would post them.
TEST(AudioMixer, FiresItsEventsForTheDevicesNotifications) {
    TAudioMixer mixer;
    const HWND window = FindWindowExA(HWND_MESSAGE, nullptr, "TAudioMixerWindow", nullptr);
    ASSERT_NE(window, nullptr);
    std::vector<DWORD> lines;
    std::vector<DWORD> controls;
    mixer.OnLineChange = [&](const TMixerChange& change) {
        EXPECT_EQ(change.sender, &mixer);
        lines.push_back(change.id);
    };
    mixer.OnControlChange = [&](const TMixerChange& change) { controls.push_back(change.id); };
    SendMessageA(window, MM_MIXM_LINE_CHANGE, 0, 7);
    SendMessageA(window, MM_MIXM_CONTROL_CHANGE, 0, 8);
    SendMessageA(window, MM_MIXM_CONTROL_CHANGE, 0, 9);
    EXPECT_EQ(lines, std::vector<DWORD>{7});
    EXPECT_EQ(controls, (std::vector<DWORD>{8, 9}));
    // A handler's failure stays inside the window procedure.
    mixer.OnLineChange = [](const TMixerChange&) { throw std::runtime_error("handler failed"); };
    SendMessageA(window, MM_MIXM_LINE_CHANGE, 0, 7);
}

}  // namespace
