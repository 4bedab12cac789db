// The user's settings: named values under HKEY_CURRENT_USER\SOFTWARE\Morvale\Tovanix.
// Every reader goes through this table, so each default is written once.
// Values are read at the moment of use and never cached: a change written by
// one module is seen by the others at their next read.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "SettingsBackend.h"

struct IntSetting {
    const char* name;
    int32_t defaultValue;
    // The range that the editing controls allow; readers do not check it.
    int32_t minimum = std::numeric_limits<int32_t>::min();
    int32_t maximum = std::numeric_limits<int32_t>::max();
};

struct StrSetting {
    const char* name;
    const char* defaultValue;
};

// A setting whose default its reader computes (the main window's position).
struct ComputedSetting {
    const char* name;
};

namespace setting {
inline constexpr IntSetting Start{"Start", 0, 0, 1};
inline constexpr IntSetting Action{"Action", 0};
inline constexpr IntSetting ShowHidden{"ShowHidden", 1, 0, 1};
inline constexpr IntSetting Minimize{"Minimize", 0, 0, 1};
inline constexpr IntSetting BtnPanelStart{"BtnPanelStart", 0, 0, 1};
inline constexpr IntSetting Reactivate{"Reactivate", 0, 0, 1};
inline constexpr IntSetting ReactivateTime{"ReactivateTime", 60, 1, 1440};
inline constexpr IntSetting AutoLearn{"AutoLearn", 0, 0, 1};
inline constexpr IntSetting SeqDelay{"SeqDelay", 600, 0, 2000};
inline constexpr IntSetting CursorAcc{"CursorAcc", 20, 1, 100};
inline constexpr IntSetting Tolerance{"Tolerance", 1, 1, 20};
inline constexpr IntSetting SampleCount{"SampleCount", 5, 1, 20};
inline constexpr IntSetting Skip{"Skip", 0, 0, 50};
inline constexpr IntSetting PressDelay{"PressDelay", 300, 0, 1000};
inline constexpr StrSetting Driver{"Driver", ""};
inline constexpr IntSetting OSD{"OSD", 1, 0, 1};
inline constexpr IntSetting OSDTime{"OSDTime", 1000, 0, 10000};
inline constexpr StrSetting OSDLoc{"OSDLoc", "Bottom right"};
inline constexpr StrSetting FontName{"FontName", "Times New Roman"};
inline constexpr IntSetting FontSize{"FontSize", 20};
inline constexpr IntSetting FontColor{"FontColor", 0};
inline constexpr IntSetting BackColor{"BackColor", 16777215};
// Read and written under both spellings CMDTime/CmdTime and CMDLoc/CmdLoc;
// names compare without case, so both spellings are one value.
inline constexpr IntSetting CmdTime{"CmdTime", 1000, 0, 10000};
inline constexpr StrSetting CmdLoc{"CmdLoc", "Bottom right"};
inline constexpr StrSetting CmdFontName{"CmdFontName", "Times New Roman"};
inline constexpr IntSetting CmdFontSize{"CmdFontSize", 20};
inline constexpr IntSetting CmdFontColor{"CmdFontColor", 0};
inline constexpr IntSetting CmdBackColor{"CmdBackColor", 16777215};
inline constexpr StrSetting Plugins{"Plugins", ""};
inline constexpr IntSetting BtnPanelX{"BtnPanelX", 0};
inline constexpr IntSetting BtnPanelY{"BtnPanelY", 0};
inline constexpr IntSetting BtnPanelW{"BtnPanelW", 40};
inline constexpr IntSetting BtnPanelH{"BtnPanelH", 90};
inline constexpr StrSetting BtnPanelBack{"BtnPanelBack", ""};
inline constexpr ComputedSetting Left{"Left"};
inline constexpr ComputedSetting Top{"Top"};
inline constexpr IntSetting Height{"Height", 472};
// The receiver drivers' own values (docs/receivers.md).
inline constexpr StrSetting NetworkHost{"NetworkHost", "127.0.0.1"};
inline constexpr IntSetting NetworkPort{"NetworkPort", 8765, 1, 65535};
inline constexpr StrSetting SerialPort{"SerialPort", "COM1"};
}  // namespace setting

// Every integer and text setting of the table, for listing and checking.
const std::vector<IntSetting>& AllIntSettings();
const std::vector<StrSetting>& AllStrSettings();

// The access functions. None reports an error: a missing, unreadable or
// wrongly typed value reads as the default; a failed write is lost.
int32_t ReadIntSetting(const std::string& name, int32_t defaultValue);
void WriteIntSetting(const std::string& name, int32_t value);
// An empty stored text also reads as the default.
std::string ReadStrSetting(const std::string& name, const std::string& defaultValue);
void WriteStrSetting(const std::string& name, const std::string& text);

int32_t ReadSetting(const IntSetting& s);
std::string ReadSetting(const StrSetting& s);
void WriteSetting(const IntSetting& s, int32_t value);
void WriteSetting(const StrSetting& s, const std::string& text);

// Flags: true only when the stored value is exactly 1; written as 1 or 0.
bool ReadStartSetting();
void WriteStartSetting(bool start);
bool ReadMinimizeSetting();
void WriteMinimizeSetting(bool minimize);

// The backend in use: the platform's default (the registry on Windows)
// unless a test installs another; nullptr restores the default.
void UseSettingsBackend(SettingsBackend* backend);
SettingsBackend& DefaultSettingsBackend();
