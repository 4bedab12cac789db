// The volume commands on this computer's devices.
#pragma once

#include <memory>

#include "app/mixer/VolumeControl.h"

// Acts on the default audio endpoint; where it is missing or refuses a
// change, on the master line (destination 0) of mixer device 0. On Windows
// Vista and later the mixer alone would change only this program's own
// sound, hence the endpoint first. With neither device it does nothing.
std::unique_ptr<VolumeControl> CreateSystemVolumeControl();
