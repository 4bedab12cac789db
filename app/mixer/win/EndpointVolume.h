// The master volume and mute of the default audio output device (the
// endpoint's volume, which every program's sound goes through).
#pragma once

#include "app/mixer/VolumeDevice.h"

class EndpointVolume final : public VolumeDevice {
  public:
    // The endpoint's level 0.0–1.0 as left on the 0..65536 scale; no right.
    // The default device is looked up at every call: it can change at any time.
    std::optional<VolumeState> Read() override;
    bool Write(const VolumeState& values) override;
};
