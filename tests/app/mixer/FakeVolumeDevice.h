// A volume device in memory: holds values, can be missing or refuse writes,
// and counts what is asked of it.
#pragma once

#include <optional>

#include "app/mixer/VolumeDevice.h"

class FakeVolumeDevice final : public VolumeDevice {
  public:
    std::optional<VolumeState> values;  // nullopt: no such device
    bool refusesVolume = false;
    bool refusesMute = false;
    // Like an endpoint that keeps its level in coarse steps: a written volume
    // is rounded down to a multiple of this.
    int64_t granularity = 1;
    int reads = 0;
    int writes = 0;

    std::optional<VolumeState> Read() override {
        ++reads;
        return values;
    }

    bool Write(const VolumeState& written) override {
        ++writes;
        if (!values) return false;
        if (written.mute != -1) {
            if (refusesMute) return false;
            values->mute = written.mute;
        }
        if (written.left != -1) {
            if (refusesVolume) return false;
            values->left = written.left / granularity * granularity;
            values->right = written.right < 0 ? written.right : written.right / granularity * granularity;
        }
        return true;
    }
};
