// The master volume and mute of mixer device 0 read and set straight through
// the winmm mixer API, to check the mixer code against.
#pragma once

#include <windows.h>
// clang-format off: mmsystem.h needs windows.h first
#include <mmsystem.h>
// clang-format on

#include <optional>
#include <vector>

class WinmmMaster {
  public:
    WinmmMaster() {
        if (mixerOpen(&mixer_, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) mixer_ = nullptr;
    }
    ~WinmmMaster() {
        if (mixer_) mixerClose(mixer_);
    }
    WinmmMaster(const WinmmMaster&) = delete;
    WinmmMaster& operator=(const WinmmMaster&) = delete;

    bool IsOpen() const { return mixer_ != nullptr; }

    // Every channel's value of the master line's control of that type.
    std::optional<std::vector<DWORD>> Get(DWORD type) {
        MIXERCONTROLDETAILS details{};
        std::vector<DWORD> values;
        if (!Prepare(type, details, values)) return std::nullopt;
        if (mixerGetControlDetailsA(Object(), &details,
                                    MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
            MMSYSERR_NOERROR)
            return std::nullopt;
        return values;
    }

    bool Set(DWORD type, DWORD value) {
        MIXERCONTROLDETAILS details{};
        std::vector<DWORD> values;
        if (!Prepare(type, details, values)) return false;
        for (DWORD& each : values) each = value;
        return mixerSetControlDetails(Object(), &details,
                                      MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
               MMSYSERR_NOERROR;
    }

  private:
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_); }

    bool Prepare(DWORD type, MIXERCONTROLDETAILS& details, std::vector<DWORD>& values) {
        if (!mixer_) return false;
        MIXERLINEA line{};
        line.cbStruct = sizeof line;
        line.dwDestination = 0;
        if (mixerGetLineInfoA(Object(), &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_DESTINATION) !=
            MMSYSERR_NOERROR)
            return false;
        MIXERCONTROLA control{};
        control.cbStruct = sizeof control;
        MIXERLINECONTROLSA request{};
        request.cbStruct = sizeof request;
        request.dwLineID = line.dwLineID;
        request.dwControlType = type;
        request.cControls = 1;
        request.cbmxctrl = sizeof control;
        request.pamxctrl = &control;
        if (mixerGetLineControlsA(Object(), &request,
                                  MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
            MMSYSERR_NOERROR)
            return false;
        const DWORD channels = (control.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : line.cChannels;
        values.assign(channels, 0);
        details.cbStruct = sizeof details;
        details.dwControlID = control.dwControlID;
        details.cChannels = channels;
        details.cbDetails = sizeof(DWORD);
        details.paDetails = values.data();
        return true;
    }

    HMIXER mixer_ = nullptr;
};
