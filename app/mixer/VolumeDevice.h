// Something whose volume and mute the volume commands change: the default
// audio endpoint or the master line of a mixer device.
#pragma once

#include <optional>

#include "app/mixer/VolumeState.h"

class VolumeDevice {
  public:
    virtual ~VolumeDevice() = default;
    // The current values; nullopt when there is no such device.
    virtual std::optional<VolumeState> Read() = 0;
    // Writes the values that are not -1; false when the device refuses one.
    virtual bool Write(const VolumeState& values) = 0;
};
