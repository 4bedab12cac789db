// The volume commands over a list of devices: each command acts on the first
// device that can be read and takes the new values, so a device that refuses
// (the endpoint under Wine does not take a volume) hands over to the next.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "app/mixer/VolumeControl.h"
#include "app/mixer/VolumeDevice.h"

class VolumeCommands final : public VolumeControl {
  public:
    // Devices in order of preference.
    explicit VolumeCommands(std::vector<std::unique_ptr<VolumeDevice>> devices);

    // Steps each channel of the first device (see SteppedVolume).
    void StepVolume(bool up) override;
    // Flips the mute state of the first device (see ToggledMute).
    void ToggleMute() override;

  private:
    template <typename Change>
    std::optional<std::size_t> ApplyToFirstDevice(Change change);

    // A device's last volume step: the values written and what it showed
    // right after.
    struct LastStep {
        VolumeState written;
        VolumeState shown;
    };

    std::vector<std::unique_ptr<VolumeDevice>> devices_;
    std::vector<std::optional<LastStep>> lastSteps_;  // one per device
};
