#include "app/mixer/VolumeState.h"

#include <algorithm>

int64_t SteppedVolume(int64_t volume, bool up) {
    if (volume < 0) return volume;
    if (!up) return std::max<int64_t>(volume - kVolumeStep, 0);
    // From silence the first step is the smallest audible one.
    if (volume == 0) return 1;
    return std::min(volume + kVolumeStep, kVolumeMaximum);
}

int64_t StepStart(int64_t shown, int64_t shownAfterLastStep, int64_t writtenByLastStep) {
    return shown == shownAfterLastStep ? writtenByLastStep : shown;
}

int32_t ToggledMute(int32_t mute) { return mute == 0 ? 1 : 0; }
