// A mixer device as a tree: its destination lines, each with its source
// lines, and the controls of every line in device order. Reading and
// writing a line's volume and mute follow the controls that the line has.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/mixer/VolumeState.h"

// Control types (the MIXERCONTROL_CONTROLTYPE_* values of the mixer API).
inline constexpr uint32_t kMixerVolumeControl = 0x50030001;
inline constexpr uint32_t kMixerMuteControl = 0x20010002;
inline constexpr uint32_t kMixerMixerControl = 0x71010001;
inline constexpr uint32_t kMixerMuxControl = 0x70010001;
// Control flags: one value for all channels; one value per item.
inline constexpr uint32_t kMixerControlUniform = 1;
inline constexpr uint32_t kMixerControlMultiple = 2;

struct TMixerControl {
    uint32_t id = 0;
    uint32_t type = 0;
    uint32_t flags = 0;
    uint32_t items = 0;  // for controls with the multiple flag: the number of items
    // The values the control takes: a volume beyond them is written as the
    // nearest end (the top of the scale, 65536, is 65535 on most mixers).
    uint32_t minimum = 0;
    uint32_t maximum = UINT32_MAX;
};
using TMixerControls = std::vector<TMixerControl>;

struct TMixerConnection {
    std::string name;
    uint32_t channels = 1;
    TMixerControls controls;
};

struct TMixerDestination {
    std::string name;
    uint32_t channels = 1;
    TMixerControls controls;
    std::vector<TMixerConnection> connections;  // the source lines
};

using TMixerDestinations = std::vector<TMixerDestination>;

// The values of controls, as the device holds them: unsigned 32-bit values,
// channel by channel, and within a channel item by item.
class MixerControlValues {
  public:
    virtual ~MixerControlValues() = default;
    // channels × max(items, 1) values; nullopt when the device refuses.
    virtual std::optional<std::vector<uint32_t>> Get(const TMixerControl& control, uint32_t channels) = 0;
    virtual bool Set(const TMixerControl& control, uint32_t channels,
                     const std::vector<uint32_t>& values) = 0;
};

// Destination by index, source by index or -1 for the destination line itself.
// Reading: nullopt when the line does not exist; a value the line has no
// control for stays -1 (left -1: no volume control, mute -1: no mute).
std::optional<VolumeState> ReadMixerLine(const TMixerDestinations& tree, MixerControlValues& values,
                                         int destination, int source);

// Writes the values that are not -1 (right -1 takes left's value); false
// when the line does not exist or the device refuses a value.
bool WriteMixerLine(const TMixerDestinations& tree, MixerControlValues& values, int destination, int source,
                    const VolumeState& state);
