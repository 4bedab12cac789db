#include "Settings.h"

namespace {
SettingsBackend* installedBackend = nullptr;

SettingsBackend& Backend() { return installedBackend ? *installedBackend : DefaultSettingsBackend(); }

bool ReadFlag(const IntSetting& s) { return Backend().ReadInt(s.name).value_or(0) == 1; }
}  // namespace

const std::vector<IntSetting>& AllIntSettings() {
    using namespace setting;
    static const std::vector<IntSetting> all{
        Start,          Action,     ShowHidden,  Minimize,     BtnPanelStart, Reactivate,
        ReactivateTime, AutoLearn,  SeqDelay,    CursorAcc,    Tolerance,     SampleCount,
        Skip,           PressDelay, OSD,         OSDTime,      FontSize,      FontColor,
        BackColor,      CmdTime,    CmdFontSize, CmdFontColor, CmdBackColor,  BtnPanelX,
        BtnPanelY,      BtnPanelW,  BtnPanelH,   Height,       NetworkPort};
    return all;
}

const std::vector<StrSetting>& AllStrSettings() {
    using namespace setting;
    static const std::vector<StrSetting> all{Driver,  OSDLoc,       FontName,    CmdLoc,    CmdFontName,
                                             Plugins, BtnPanelBack, NetworkHost, SerialPort};
    return all;
}

int32_t ReadIntSetting(const std::string& name, int32_t defaultValue) {
    return Backend().ReadInt(name).value_or(defaultValue);
}

void WriteIntSetting(const std::string& name, int32_t value) { Backend().WriteInt(name, value); }

std::string ReadStrSetting(const std::string& name, const std::string& defaultValue) {
    std::optional<std::string> text = Backend().ReadStr(name);
    return text && !text->empty() ? *text : defaultValue;
}

void WriteStrSetting(const std::string& name, const std::string& text) { Backend().WriteStr(name, text); }

int32_t ReadSetting(const IntSetting& s) { return ReadIntSetting(s.name, s.defaultValue); }
std::string ReadSetting(const StrSetting& s) { return ReadStrSetting(s.name, s.defaultValue); }
void WriteSetting(const IntSetting& s, int32_t value) { WriteIntSetting(s.name, value); }
void WriteSetting(const StrSetting& s, const std::string& text) { WriteStrSetting(s.name, text); }

bool ReadStartSetting() { return ReadFlag(setting::Start); }
void WriteStartSetting(bool start) { WriteSetting(setting::Start, start ? 1 : 0); }
bool ReadMinimizeSetting() { return ReadFlag(setting::Minimize); }
void WriteMinimizeSetting(bool minimize) { WriteSetting(setting::Minimize, minimize ? 1 : 0); }

void UseSettingsBackend(SettingsBackend* backend) { installedBackend = backend; }
