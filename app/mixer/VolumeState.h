// The volume and mute of a mixer line or of the audio endpoint, and the
// arithmetic of one volume step and of one mute toggle.
#pragma once

#include <cstdint>

// Volumes are on the scale 0..65536; each value is -1 when not available
// (a mono line has no right volume, a line without mute control no mute).
// Written, -1 leaves a value unchanged.
struct VolumeState {
    int64_t left = -1;
    int64_t right = -1;
    int32_t mute = -1;  // 1 muted, 0 not muted
};

inline constexpr int64_t kVolumeStep = 1200;
// The top of the scale is 65536, one above the largest 16-bit value.
inline constexpr int64_t kVolumeMaximum = 65536;

// Up: 0 becomes 1, any other value grows by one step, at most to the top.
// Down: one step less, at least 0. A missing value (-1) stays missing.
int64_t SteppedVolume(int64_t volume, bool up);

// Where the next step starts. A device may show another level than the one
// written (the audio endpoint reads a tiny level back as 0): while it still
// shows what it showed right after the last step, the next step continues
// from the level written, so that steps always make progress. A level that
// changed meanwhile (another program) is taken as it is.
int64_t StepStart(int64_t shown, int64_t shownAfterLastStep, int64_t writtenByLastStep);

// 1 when it was 0, else 0, also when the state was unknown (-1).
int32_t ToggledMute(int32_t mute);
