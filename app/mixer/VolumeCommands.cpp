#include "app/mixer/VolumeCommands.h"

#include <utility>

VolumeCommands::VolumeCommands(std::vector<std::unique_ptr<VolumeDevice>> devices)
    : devices_(std::move(devices)), lastSteps_(devices_.size()) {}

// Only the values a command changes are written; the others stay -1. That
// equals writing them back as read, and lets a device that takes the mute
// but not the volume serve the mute. Returns the device that took them.
template <typename Change>
std::optional<std::size_t> VolumeCommands::ApplyToFirstDevice(Change change) {
    for (std::size_t index = 0; index < devices_.size(); ++index) {
        const std::optional<VolumeState> current = devices_[index]->Read();
        if (current && devices_[index]->Write(change(*current, index))) return index;
    }
    return std::nullopt;
}

void VolumeCommands::StepVolume(bool up) {
    VolumeState stepped;
    const std::optional<std::size_t> device =
        ApplyToFirstDevice([&](const VolumeState& current, std::size_t index) {
            const std::optional<LastStep>& last = lastSteps_[index];
            stepped = VolumeState{};
            stepped.left = SteppedVolume(
                last ? StepStart(current.left, last->shown.left, last->written.left) : current.left, up);
            stepped.right = SteppedVolume(
                last ? StepStart(current.right, last->shown.right, last->written.right) : current.right, up);
            return stepped;
        });
    if (!device) return;
    const std::optional<VolumeState> shown = devices_[*device]->Read();
    lastSteps_[*device] = shown ? std::optional<LastStep>(LastStep{stepped, *shown}) : std::nullopt;
}

void VolumeCommands::ToggleMute() {
    ApplyToFirstDevice([](const VolumeState& current, std::size_t) {
        VolumeState toggled;
        toggled.mute = ToggledMute(current.mute);
        return toggled;
    });
}
