#include "VolumeCommands.h"

#include <utility>

VolumeCommands::VolumeCommands(std::vector<std::unique_ptr<VolumeDevice>> devices)
    : devices_(std::move(devices)) {}

// Only the values a command changes are written; the others stay -1. That
// equals writing them back as read, and lets a device that takes the mute
// but not the volume serve the mute.
template <typename Change>
void VolumeCommands::ApplyToFirstDevice(Change change) {
    for (const auto& device : devices_) {
        const std::optional<VolumeState> current = device->Read();
        if (current && device->Write(change(*current))) return;
    }
}

void VolumeCommands::StepVolume(bool up) {
    ApplyToFirstDevice([up](const VolumeState& current) {
        VolumeState stepped;
        stepped.left = SteppedVolume(current.left, up);
        stepped.right = SteppedVolume(current.right, up);
        return stepped;
    });
}

void VolumeCommands::ToggleMute() {
    ApplyToFirstDevice([](const VolumeState& current) {
        VolumeState toggled;
        toggled.mute = ToggledMute(current.mute);
        return toggled;
    });
}
