#include "app/mixer/win/EndpointVolume.h"

#include <windows.h>
// clang-format off: the audio headers need windows.h first
#include <endpointvolume.h>
#include <mmdeviceapi.h>
// clang-format on
#include <wrl/client.h>

#include <cmath>

using Microsoft::WRL::ComPtr;

namespace {

// COM on the calling thread for the length of one call, in whatever model
// the thread already uses.
class ComScope {
  public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT result_;
};

ComPtr<IAudioEndpointVolume> DefaultEndpoint() {
    ComPtr<IMMDeviceEnumerator> devices;
    ComPtr<IMMDevice> device;
    ComPtr<IAudioEndpointVolume> volume;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, IID_PPV_ARGS(&devices))) ||
        FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &device)) ||
        FAILED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                                reinterpret_cast<void**>(volume.GetAddressOf()))))
        return nullptr;
    return volume;
}

}  // namespace

std::optional<VolumeState> EndpointVolume::Read() {
    ComScope com;
    const ComPtr<IAudioEndpointVolume> endpoint = DefaultEndpoint();
    float level = 0;
    BOOL muted = FALSE;
    if (!endpoint || FAILED(endpoint->GetMasterVolumeLevelScalar(&level)) ||
        FAILED(endpoint->GetMute(&muted)))
        return std::nullopt;
    VolumeState state;
    state.left = std::lround(static_cast<double>(level) * kVolumeMaximum);
    state.mute = muted ? 1 : 0;
    return state;
}

bool EndpointVolume::Write(const VolumeState& values) {
    ComScope com;
    const ComPtr<IAudioEndpointVolume> endpoint = DefaultEndpoint();
    if (!endpoint) return false;
    if (values.mute != -1 && FAILED(endpoint->SetMute(values.mute != 0, nullptr))) return false;
    const float level = static_cast<float>(static_cast<double>(values.left) / kVolumeMaximum);
    return values.left == -1 || SUCCEEDED(endpoint->SetMasterVolumeLevelScalar(level, nullptr));
}
