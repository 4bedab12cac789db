#include "core/Settings.h"

#include <algorithm>

#include "core/Text.h"

namespace {
SettingsBackend* installedBackend = nullptr;

SettingsBackend& Backend() { return installedBackend ? *installedBackend : DefaultSettingsBackend(); }

int32_t Limited(int32_t stored, int32_t minimum, int32_t maximum, OutOfRange outside, int32_t defaultValue) {
    switch (outside) {
        case OutOfRange::Flag:
            return stored == 1 ? 1 : 0;
        case OutOfRange::Default:
            return stored < minimum || stored > maximum ? defaultValue : stored;
        case OutOfRange::Clamp:
            break;
    }
    return std::clamp(stored, minimum, maximum);
}

int32_t Limited(const IntSetting& s, int32_t stored, int32_t defaultValue) {
    return Limited(stored, s.minimum, s.maximum, s.outside, defaultValue);
}

// The stored value read within the range of the table's setting of that name.
int32_t LimitedByName(const std::string& name, int32_t stored, int32_t defaultValue) {
    const std::string key = ToUpperAscii(name);
    for (const IntSetting& s : AllIntSettings())
        if (ToUpperAscii(s.name) == key) return Limited(s, stored, defaultValue);
    for (const ComputedSetting& s : AllComputedSettings())
        if (ToUpperAscii(s.name) == key) return std::clamp(stored, s.minimum, s.maximum);
    return stored;
}

bool ReadFlag(const IntSetting& s) { return ReadSetting(s) == 1; }
}  // namespace

const std::vector<IntSetting>& AllIntSettings() {
    using namespace setting;
    static const std::vector<IntSetting> all{
        Start,        Action,       ShowHidden, Minimize,  BtnPanelStart, Reactivate, ReactivateTime,
        AutoLearn,    SeqDelay,     CursorAcc,  Tolerance, SampleCount,   Skip,       PressDelay,
        OSD,          OSDTime,      FontSize,   FontColor, BackColor,     CmdTime,    CmdFontSize,
        CmdFontColor, CmdBackColor, BtnPanelX,  BtnPanelY, BtnPanelW,     BtnPanelH,  Height,
        NetworkPort,  HidRemotes,   HoldTime,
        FollowForeground, OSDScreen};
    return all;
}

const std::vector<StrSetting>& AllStrSettings() {
    using namespace setting;
    static const std::vector<StrSetting> all{Driver,  OSDLoc,       FontName,    CmdLoc,     CmdFontName,
                                             Plugins, BtnPanelBack, NetworkHost, SerialPort, HidKeyboards};
    return all;
}

const std::vector<ComputedSetting>& AllComputedSettings() {
    static const std::vector<ComputedSetting> all{setting::Left, setting::Top};
    return all;
}

int32_t ReadIntSetting(const std::string& name, int32_t defaultValue) {
    const std::optional<int32_t> stored = Backend().ReadInt(name);
    return stored ? LimitedByName(name, *stored, defaultValue) : defaultValue;
}

void WriteIntSetting(const std::string& name, int32_t value) { Backend().WriteInt(name, value); }

std::string ReadStrSetting(const std::string& name, const std::string& defaultValue) {
    std::optional<std::string> text = Backend().ReadStr(name);
    return text && !text->empty() ? *text : defaultValue;
}

void WriteStrSetting(const std::string& name, const std::string& text) { Backend().WriteStr(name, text); }

int32_t ReadSetting(const IntSetting& s) {
    const std::optional<int32_t> stored = Backend().ReadInt(s.name);
    return stored ? Limited(s, *stored, s.defaultValue) : s.defaultValue;
}
std::string ReadSetting(const StrSetting& s) { return ReadStrSetting(s.name, s.defaultValue); }
void WriteSetting(const IntSetting& s, int32_t value) { WriteIntSetting(s.name, value); }
void WriteSetting(const StrSetting& s, const std::string& text) { WriteStrSetting(s.name, text); }

bool ReadStartSetting() { return ReadFlag(setting::Start); }
void WriteStartSetting(bool start) { WriteSetting(setting::Start, start ? 1 : 0); }
bool ReadMinimizeSetting() { return ReadFlag(setting::Minimize); }
void WriteMinimizeSetting(bool minimize) { WriteSetting(setting::Minimize, minimize ? 1 : 0); }

void UseSettingsBackend(SettingsBackend* backend) { installedBackend = backend; }
