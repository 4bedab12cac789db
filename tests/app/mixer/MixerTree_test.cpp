// Reading and writing a mixer line through the controls that it has.
#include "app/mixer/MixerTree.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Control values by control id, as a device keeps them.
class FakeControlValues final : public MixerControlValues {
  public:
    std::map<uint32_t, std::vector<uint32_t>> values;
    std::map<uint32_t, uint32_t> channelsAsked;  // per control: the channel count of the last call
    bool refuses = false;

    std::optional<std::vector<uint32_t>> Get(const TMixerControl& control, uint32_t channels) override {
        channelsAsked[control.id] = channels;
        if (refuses) return std::nullopt;
        auto held = values.find(control.id);
        if (held == values.end()) return std::nullopt;
        std::vector<uint32_t> result = held->second;
        result.resize(channels * std::max<uint32_t>(control.items, 1));
        return result;
    }

    bool Set(const TMixerControl& control, uint32_t channels, const std::vector<uint32_t>& written) override {
        channelsAsked[control.id] = channels;
        if (refuses) return false;
        values[control.id] = written;
        return true;
    }
};

constexpr uint32_t kOtherControl = 0x40020001;

TMixerControl Control(uint32_t id, uint32_t type, uint32_t flags = 0, uint32_t items = 0) {
    return TMixerControl{id, type, flags, items};
}

VolumeState Values(int64_t left, int64_t right, int32_t mute) {
    VolumeState state;
    state.left = left;
    state.right = right;
    state.mute = mute;
    return state;
}

void ExpectState(const std::optional<VolumeState>& state, int64_t left, int64_t right, int32_t mute) {
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->left, left);
    EXPECT_EQ(state->right, right);
    EXPECT_EQ(state->mute, mute);
}

// A stereo master line with two source lines: "Wave" has its own volume and
// mute, "Line In" only a volume, so its mute lies in the master's selector.
TMixerDestinations StereoTree(uint32_t selectorType) {
    TMixerDestination master{"Master Volume", 2, {}, {}};
    master.controls = {Control(1, kOtherControl), Control(2, kMixerVolumeControl),
                       Control(3, kMixerMuteControl, kMixerControlUniform),
                       Control(4, selectorType, kMixerControlUniform | kMixerControlMultiple, 2)};
    master.connections.push_back(
        {"Wave", 2, {Control(10, kMixerVolumeControl), Control(11, kMixerMuteControl)}});
    master.connections.push_back({"Line In", 2, {Control(20, kMixerVolumeControl)}});
    return {master};
}

class MixerLineTest : public ::testing::Test {
  protected:
    MixerLineTest() : tree(StereoTree(kMixerMixerControl)) {
        device.values = {{1, {7}},         {2, {30000, 40000}}, {3, {1}},        {4, {0, 1}},
                         {10, {100, 200}}, {11, {0, 0}},        {20, {300, 400}}};
    }

    TMixerDestinations tree;
    FakeControlValues device;
};

TEST_F(MixerLineTest, ReadsTheDestinationLinesFirstVolumeAndMute) {
    ExpectState(ReadMixerLine(tree, device, 0, -1), 30000, 40000, 1);
    // A uniform control holds one value for all channels.
    EXPECT_EQ(device.channelsAsked[2], 2u);
    EXPECT_EQ(device.channelsAsked[3], 1u);
    EXPECT_EQ(device.channelsAsked.count(1), 0u);
}

TEST_F(MixerLineTest, ReadsASourceLineWithItsOwnMute) {
    ExpectState(ReadMixerLine(tree, device, 0, 0), 100, 200, 0);
}

TEST_F(MixerLineTest, TakesTheMuteOfASourceWithoutOneFromTheDestinationsSelector) {
    ExpectState(ReadMixerLine(tree, device, 0, 1), 300, 400, 1);
    device.values[4] = {1, 0};
    ExpectState(ReadMixerLine(tree, device, 0, 1), 300, 400, 0);
}

TEST_F(MixerLineTest, AMissingLineFailsToReadAndToWrite) {
    EXPECT_FALSE(ReadMixerLine(tree, device, 1, -1).has_value());
    EXPECT_FALSE(ReadMixerLine(tree, device, 0, 2).has_value());
    EXPECT_FALSE(ReadMixerLine(tree, device, -1, -1).has_value());
    EXPECT_FALSE(ReadMixerLine({}, device, 0, -1).has_value());
    EXPECT_FALSE(WriteMixerLine({}, device, 0, -1, Values(1, 1, 1)));
    EXPECT_FALSE(WriteMixerLine(tree, device, 0, 5, Values(1, 1, 1)));
}

TEST_F(MixerLineTest, WritesLeftAndRightIntoTheFirstVolumeControl) {
    EXPECT_TRUE(WriteMixerLine(tree, device, 0, -1, Values(1000, 2000, -1)));
    EXPECT_EQ(device.values[2], (std::vector<uint32_t>{1000, 2000}));
    EXPECT_EQ(device.values[3], std::vector<uint32_t>{1});
    // Without a right volume both channels get the left one.
    EXPECT_TRUE(WriteMixerLine(tree, device, 0, -1, Values(65536, -1, -1)));
    EXPECT_EQ(device.values[2], (std::vector<uint32_t>{65536, 65536}));
}

TEST_F(MixerLineTest, WritesTheMuteAloneAndLeavesTheVolume) {
    EXPECT_TRUE(WriteMixerLine(tree, device, 0, -1, Values(-1, -1, 0)));
    EXPECT_EQ(device.values[3], std::vector<uint32_t>{0});
    EXPECT_EQ(device.values[2], (std::vector<uint32_t>{30000, 40000}));
    EXPECT_TRUE(WriteMixerLine(tree, device, 0, 0, Values(-1, -1, 1)));
    EXPECT_EQ(device.values[11], (std::vector<uint32_t>{1, 1}));
}

TEST_F(MixerLineTest, WritesTheMuteOfASourceWithoutOneIntoItsItemOfTheMixer) {
    device.values[4] = {1, 0};
    EXPECT_TRUE(WriteMixerLine(tree, device, 0, 1, Values(-1, -1, 1)));
    EXPECT_EQ(device.values[4], (std::vector<uint32_t>{1, 1}));
}

TEST_F(MixerLineTest, AMultiplexerKeepsOnlyTheWrittenSourceSelected) {
    tree = StereoTree(kMixerMuxControl);
    device.values[4] = {1, 0};
    EXPECT_TRUE(WriteMixerLine(tree, device, 0, 1, Values(-1, -1, 1)));
    EXPECT_EQ(device.values[4], (std::vector<uint32_t>{0, 1}));
}

TEST_F(MixerLineTest, ARefusingDeviceReadsAsNoControlsAndFailsToWrite) {
    device.refuses = true;
    ExpectState(ReadMixerLine(tree, device, 0, -1), -1, -1, -1);
    EXPECT_FALSE(WriteMixerLine(tree, device, 0, -1, Values(1, 1, -1)));
}

TEST(MixerLine, AMonoLineHasNoRightVolumeAndKeepsItsOtherChannels) {
    TMixerDestination master{"Master Volume", 2, {Control(1, kMixerVolumeControl, kMixerControlUniform)}, {}};
    TMixerDestination speakers{"Speakers", 4, {Control(2, kMixerVolumeControl)}, {}};
    FakeControlValues device;
    device.values = {{1, {500}}, {2, {1, 2, 3, 4}}};
    ExpectState(ReadMixerLine({master, speakers}, device, 0, -1), 500, -1, -1);
    EXPECT_TRUE(WriteMixerLine({master, speakers}, device, 0, -1, Values(0, -1, -1)));
    EXPECT_EQ(device.values[1], std::vector<uint32_t>{0});
    EXPECT_TRUE(WriteMixerLine({master, speakers}, device, 1, -1, Values(9, 8, -1)));
    EXPECT_EQ(device.values[2], (std::vector<uint32_t>{9, 8, 3, 4}));
}

TEST(MixerLine, SkipsControlsWithTheMultipleFlagAndUsesOnlyTheFirstOfEachKind) {
    TMixerDestination master{"Master Volume", 1, {}, {}};
    master.controls = {Control(1, kMixerVolumeControl, kMixerControlMultiple, 2),
                       Control(2, kMixerVolumeControl), Control(3, kMixerVolumeControl),
                       Control(4, kMixerMuteControl), Control(5, kMixerMuteControl)};
    FakeControlValues device;
    device.values = {{1, {11, 12}}, {2, {22}}, {3, {33}}, {4, {0}}, {5, {1}}};
    ExpectState(ReadMixerLine({master}, device, 0, -1), 22, -1, 0);
    EXPECT_TRUE(WriteMixerLine({master}, device, 0, -1, Values(44, -1, 1)));
    EXPECT_EQ(device.values[1], (std::vector<uint32_t>{11, 12}));
    EXPECT_EQ(device.values[2], std::vector<uint32_t>{44});
    EXPECT_EQ(device.values[3], std::vector<uint32_t>{33});
    EXPECT_EQ(device.values[4], std::vector<uint32_t>{1});
    EXPECT_EQ(device.values[5], std::vector<uint32_t>{1});
}

TEST(MixerLine, WritesAVolumeBeyondTheControlsBoundsAsTheNearestEnd) {
    TMixerControl volume = Control(1, kMixerVolumeControl);
    volume.minimum = 100;
    volume.maximum = 65535;
    TMixerDestination master{"Master Volume", 2, {volume}, {}};
    FakeControlValues device;
    device.values = {{1, {30000, 30000}}};
    EXPECT_TRUE(WriteMixerLine({master}, device, 0, -1, Values(65536, 0, -1)));
    EXPECT_EQ(device.values[1], (std::vector<uint32_t>{65535, 100}));
}

TEST(MixerLine, ALineWithoutControlsReadsAsNoVolumeAndNoMute) {
    TMixerDestination master{"Master Volume", 2, {}, {}};
    FakeControlValues device;
    ExpectState(ReadMixerLine({master}, device, 0, -1), -1, -1, -1);
    EXPECT_TRUE(WriteMixerLine({master}, device, 0, -1, Values(5, 5, 1)));
    EXPECT_TRUE(device.values.empty());
}

}  // namespace
