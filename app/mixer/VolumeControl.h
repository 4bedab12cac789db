// The volume commands of the macro executor: "Volume up", "Volume down" and
// "Toggle mute", acting on the system's master volume.
#pragma once

class VolumeControl {
  public:
    virtual ~VolumeControl() = default;
    // One step up or down; does nothing when there is no volume to change.
    virtual void StepVolume(bool up) = 0;
    // Mutes when not muted, else unmutes; does nothing without a device.
    virtual void ToggleMute() = 0;
};
