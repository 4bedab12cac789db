#include "app/mixer/win/SystemVolume.h"

#include "app/mixer/VolumeCommands.h"
#include "app/mixer/win/AudioMixer.h"
#include "app/mixer/win/EndpointVolume.h"

namespace {

class MixerMasterLine final : public VolumeDevice {
  public:
    std::optional<VolumeState> Read() override { return mixer_.ReadLine(0, -1); }
    bool Write(const VolumeState& values) override { return mixer_.WriteLine(0, -1, values); }

  private:
    TAudioMixer mixer_;
};

}  // namespace

std::unique_ptr<VolumeControl> CreateSystemVolumeControl() {
    std::vector<std::unique_ptr<VolumeDevice>> devices;
    devices.push_back(std::make_unique<EndpointVolume>());
    devices.push_back(std::make_unique<MixerMasterLine>());
    return std::make_unique<VolumeCommands>(std::move(devices));
}
