#include "app/mixer/win/AudioMixer.h"

#include <algorithm>

namespace {

const char* const kWindowClass = "TAudioMixerWindow";

std::vector<uint32_t> ValueBuffer(const TMixerControl& control, uint32_t channels) {
    return std::vector<uint32_t>(channels * std::max<uint32_t>(control.items, 1));
}

MIXERCONTROLDETAILS DetailsOf(const TMixerControl& control, uint32_t channels,
                              std::vector<uint32_t>& values) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = control.id;
    details.cChannels = channels;
    details.cMultipleItems = (control.flags & kMixerControlMultiple) ? control.items : 0;
    details.cbDetails = sizeof(uint32_t);
    details.paDetails = values.data();
    return details;
}

}  // namespace

TAudioMixer::TAudioMixer() {
    TWindowClass windowClass;
    windowClass.name = kWindowClass;
    Create(windowClass, 0, "", 0, 0, 0, 0, 0, HWND_MESSAGE);
    deviceCount_ = static_cast<int>(mixerGetNumDevs());
    SetMixerID(0);
}

TAudioMixer::~TAudioMixer() { Close(); }

void TAudioMixer::SetMixerID(int id) {
    if (deviceCount_ == 0) return;
    id = std::clamp(id, 0, deviceCount_ - 1);
    Close();
    if (mixerOpen(&handle_, static_cast<UINT>(id), reinterpret_cast<DWORD_PTR>(Handle()), 0,
                  CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        handle_ = nullptr;
        return;
    }
    mixerID_ = id;
    mixerGetDevCapsA(static_cast<UINT_PTR>(id), &caps_, sizeof caps_);
    BuildTree();
}

void TAudioMixer::Close() {
    if (handle_) mixerClose(handle_);
    handle_ = nullptr;
    mixerID_ = -1;
    caps_ = MIXERCAPSA{};
    destinations_.clear();
}

// Lines the device cannot describe are left out.
void TAudioMixer::BuildTree() {
    for (DWORD d = 0; d < caps_.cDestinations; ++d) {
        MIXERLINEA line{};
        line.cbStruct = sizeof line;
        line.dwDestination = d;
        if (mixerGetLineInfoA(Object(), &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_DESTINATION) !=
            MMSYSERR_NOERROR)
            continue;
        TMixerDestination destination{line.szName, line.cChannels, ControlsOf(line), {}};
        for (DWORD s = 0; s < line.cConnections; ++s) {
            MIXERLINEA source{};
            source.cbStruct = sizeof source;
            source.dwDestination = d;
            source.dwSource = s;
            if (mixerGetLineInfoA(Object(), &source, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_SOURCE) !=
                MMSYSERR_NOERROR)
                continue;
            destination.connections.push_back({source.szName, source.cChannels, ControlsOf(source)});
        }
        destinations_.push_back(std::move(destination));
    }
}

TMixerControls TAudioMixer::ControlsOf(const MIXERLINEA& line) const {
    if (line.cControls == 0) return {};
    std::vector<MIXERCONTROLA> block(line.cControls);
    MIXERLINECONTROLSA request{};
    request.cbStruct = sizeof request;
    request.dwLineID = line.dwLineID;
    request.cControls = line.cControls;
    request.cbmxctrl = sizeof(MIXERCONTROLA);
    request.pamxctrl = block.data();
    if (mixerGetLineControlsA(Object(), &request, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ALL) !=
        MMSYSERR_NOERROR)
        return {};
    TMixerControls controls;
    for (const MIXERCONTROLA& control : block)
        controls.push_back({control.dwControlID, control.dwControlType, control.fdwControl,
                            control.cMultipleItems, control.Bounds.dwMinimum, control.Bounds.dwMaximum});
    return controls;
}

std::optional<VolumeState> TAudioMixer::ReadLine(int destination, int source) {
    return ReadMixerLine(destinations_, *this, destination, source);
}

bool TAudioMixer::WriteLine(int destination, int source, const VolumeState& state) {
    return WriteMixerLine(destinations_, *this, destination, source, state);
}

std::optional<std::vector<uint32_t>> TAudioMixer::Get(const TMixerControl& control, uint32_t channels) {
    std::vector<uint32_t> values = ValueBuffer(control, channels);
    MIXERCONTROLDETAILS details = DetailsOf(control, channels, values);
    if (mixerGetControlDetailsA(Object(), &details, MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR)
        return std::nullopt;
    return values;
}

bool TAudioMixer::Set(const TMixerControl& control, uint32_t channels, const std::vector<uint32_t>& values) {
    std::vector<uint32_t> buffer = values;
    buffer.resize(ValueBuffer(control, channels).size());
    MIXERCONTROLDETAILS details = DetailsOf(control, channels, buffer);
    return mixerSetControlDetails(Object(), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

LRESULT TAudioMixer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != MM_MIXM_LINE_CHANGE && message != MM_MIXM_CONTROL_CHANGE)
        return TWindow::HandleMessage(message, wParam, lParam);
    const auto& event = message == MM_MIXM_LINE_CHANGE ? OnLineChange : OnControlChange;
    if (event) event({this, reinterpret_cast<HMIXER>(wParam), static_cast<DWORD>(lParam)});
    return 0;
}
