// TAudioMixer: one device of the winmm mixer interface, mirrored as a tree
// of its destination lines, their source lines and every line's controls.
#pragma once

#include <windows.h>
// clang-format off: mmsystem.h needs windows.h first
#include <mmsystem.h>
// clang-format on

#include <functional>
#include <optional>
#include <vector>

#include "app/mixer/MixerTree.h"
#include "core/win/Window.h"

class TAudioMixer;

// A notification of the open device.
struct TMixerChange {
    TAudioMixer* sender;
    HMIXER MixerH;
    DWORD id;  // the line or the control that changed
};

// Its hidden message-only window receives the device's notifications.
class TAudioMixer final : private MixerControlValues, private TWindow {
  public:
    // Counts the mixer devices and opens device 0.
    TAudioMixer();
    ~TAudioMixer() override;
    TAudioMixer(const TAudioMixer&) = delete;
    TAudioMixer& operator=(const TAudioMixer&) = delete;

    int DeviceCount() const { return deviceCount_; }
    // The open device, -1 when none is open.
    int MixerID() const { return mixerID_; }
    // Closes the open device and opens this one (an index past the last
    // device takes the last). Does nothing when there are no devices.
    void SetMixerID(int id);
    const MIXERCAPSA& Caps() const { return caps_; }
    // Empty when no device is open.
    const TMixerDestinations& Destinations() const { return destinations_; }

    // Destination by index; source by index, -1 for the destination line.
    std::optional<VolumeState> ReadLine(int destination, int source);
    bool WriteLine(int destination, int source, const VolumeState& state);

    // Fired from the thread's message loop when the device reports a change.
    std::function<void(const TMixerChange&)> OnLineChange;
    std::function<void(const TMixerChange&)> OnControlChange;

  private:
    std::optional<std::vector<uint32_t>> Get(const TMixerControl& control, uint32_t channels) override;
    bool Set(const TMixerControl& control, uint32_t channels, const std::vector<uint32_t>& values) override;

    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(handle_); }
    void Close();
    void BuildTree();
    TMixerControls ControlsOf(const MIXERLINEA& line) const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    int deviceCount_ = 0;
    int mixerID_ = -1;
    HMIXER handle_ = nullptr;
    MIXERCAPSA caps_{};
    TMixerDestinations destinations_;
};
