#include "app/mixer/MixerTree.h"

#include <algorithm>

namespace {

// A line of the tree: a destination line, or one of its source lines.
struct Line {
    const TMixerDestination& destination;
    const TMixerConnection* source;  // null for the destination line itself
    std::size_t sourceIndex;

    const TMixerControls& controls() const { return source ? source->controls : destination.controls; }
    uint32_t channels() const { return source ? source->channels : destination.channels; }
};

std::optional<Line> FindLine(const TMixerDestinations& tree, int destination, int source) {
    if (destination < 0 || static_cast<std::size_t>(destination) >= tree.size()) return std::nullopt;
    const TMixerDestination& line = tree[destination];
    if (source == -1) return Line{line, nullptr, 0};
    if (source < 0 || static_cast<std::size_t>(source) >= line.connections.size()) return std::nullopt;
    return Line{line, &line.connections[source], static_cast<std::size_t>(source)};
}

uint32_t ChannelsOf(const TMixerControl& control, uint32_t lineChannels) {
    return (control.flags & kMixerControlUniform) ? 1 : std::max<uint32_t>(lineChannels, 1);
}

bool IsSkipped(const TMixerControl& control) { return (control.flags & kMixerControlMultiple) != 0; }

// The destination's mixer or multiplexer control, which holds one item per
// source line: the mute state of sources without a mute control of their own.
const TMixerControl* SourceSelector(const TMixerDestination& destination) {
    for (const TMixerControl& control : destination.controls)
        if (control.type == kMixerMixerControl || control.type == kMixerMuxControl) return &control;
    return nullptr;
}

std::optional<int32_t> ReadSelectorMute(const Line& line, MixerControlValues& values) {
    const TMixerControl* selector = SourceSelector(line.destination);
    if (!selector) return std::nullopt;
    const auto items = values.Get(*selector, ChannelsOf(*selector, line.destination.channels));
    if (!items || line.sourceIndex >= items->size()) return std::nullopt;
    return (*items)[line.sourceIndex] != 0 ? 1 : 0;
}

bool WriteSelectorMute(const Line& line, MixerControlValues& values, int32_t mute) {
    const TMixerControl* selector = SourceSelector(line.destination);
    if (!selector) return true;
    const uint32_t channels = ChannelsOf(*selector, line.destination.channels);
    std::optional<std::vector<uint32_t>> items;
    if (selector->type == kMixerMuxControl)
        // A multiplexer selects one source: the others are cleared.
        items.emplace(channels * std::max<uint32_t>(selector->items, 1), 0);
    else
        items = values.Get(*selector, channels);
    if (!items || line.sourceIndex >= items->size()) return false;
    (*items)[line.sourceIndex] = static_cast<uint32_t>(mute);
    return values.Set(*selector, channels, *items);
}

uint32_t WithinBounds(const TMixerControl& control, int64_t volume) {
    const int64_t maximum = std::max(control.minimum, control.maximum);
    return static_cast<uint32_t>(std::clamp<int64_t>(volume, control.minimum, maximum));
}

bool WriteVolume(const TMixerControl& control, uint32_t channels, MixerControlValues& values,
                 const VolumeState& state) {
    // Read first, so that channels beyond the second keep their values.
    std::optional<std::vector<uint32_t>> volumes = values.Get(control, channels);
    if (!volumes || volumes->empty()) return false;
    (*volumes)[0] = WithinBounds(control, state.left);
    if (volumes->size() > 1)
        (*volumes)[1] = WithinBounds(control, state.right == -1 ? state.left : state.right);
    return values.Set(control, channels, *volumes);
}

}  // namespace

std::optional<VolumeState> ReadMixerLine(const TMixerDestinations& tree, MixerControlValues& values,
                                         int destination, int source) {
    const std::optional<Line> line = FindLine(tree, destination, source);
    if (!line) return std::nullopt;
    VolumeState state;
    for (const TMixerControl& control : line->controls()) {
        if (state.left != -1 && state.mute != -1) break;
        const bool isVolume = control.type == kMixerVolumeControl && state.left == -1;
        const bool isMute = control.type == kMixerMuteControl && state.mute == -1;
        if ((!isVolume && !isMute) || IsSkipped(control)) continue;
        const auto read = values.Get(control, ChannelsOf(control, line->channels()));
        if (!read || read->empty()) continue;
        if (isVolume) {
            state.left = (*read)[0];
            if (read->size() > 1) state.right = (*read)[1];
        } else {
            state.mute = (*read)[0] != 0 ? 1 : 0;
        }
    }
    if (line->source && state.mute == -1) state.mute = ReadSelectorMute(*line, values).value_or(-1);
    return state;
}

bool WriteMixerLine(const TMixerDestinations& tree, MixerControlValues& values, int destination, int source,
                    const VolumeState& state) {
    const std::optional<Line> line = FindLine(tree, destination, source);
    if (!line) return false;
    bool volumeDone = state.left == -1;
    bool muteDone = state.mute == -1;
    bool written = true;
    for (const TMixerControl& control : line->controls()) {
        if (volumeDone && muteDone) break;
        if (IsSkipped(control)) continue;
        const uint32_t channels = ChannelsOf(control, line->channels());
        if (control.type == kMixerVolumeControl && !volumeDone) {
            written = WriteVolume(control, channels, values, state) && written;
            volumeDone = true;
        } else if (control.type == kMixerMuteControl && !muteDone) {
            const std::vector<uint32_t> mutes(channels, static_cast<uint32_t>(state.mute));
            written = values.Set(control, channels, mutes) && written;
            muteDone = true;
        }
    }
    if (!muteDone && line->source) written = WriteSelectorMute(*line, values, state.mute) && written;
    return written;
}
