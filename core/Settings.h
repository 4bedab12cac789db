// The user's settings: named values under HKEY_CURRENT_USER\SOFTWARE\Morvale\Tovanix.
// Every reader goes through this table, so each default is written once.
// Values are read at the moment of use and never cached: a change written by
// one module is seen by the others at their next read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/SettingsBackend.h"

// How a stored number outside its setting's range reads.
enum class OutOfRange {
    // As the nearest end of the range, as the settings dialog shows it: a
    // quantity (a time, a count, a size).
    Clamp,
    // As the default: a number that names something (a macro), where a
    // nearby number would name something else.
    Default,
    // An on/off value: on only when exactly 1, anything else reads as 0.
    Flag,
};

struct IntSetting {
    const char* name;
    int32_t defaultValue;
    int32_t minimum;
    int32_t maximum;
    OutOfRange outside = OutOfRange::Clamp;
};

constexpr IntSetting FlagSetting(const char* name, int32_t defaultValue) {
    return {name, defaultValue, 0, 1, OutOfRange::Flag};
}

struct StrSetting {
    const char* name;
    const char* defaultValue;
};

// A setting whose default its reader computes (the main window's position);
// a stored value outside the range reads as the nearest end.
struct ComputedSetting {
    const char* name;
    int32_t minimum;
    int32_t maximum;
};

// Colours are RGB values: red + 256 x green + 65536 x blue.
inline constexpr int32_t kMaxColor = 0xFFFFFF;
// Screen coordinates and window sizes in pixels, as far as Windows places windows.
inline constexpr int32_t kMinPixel = -32768;
inline constexpr int32_t kMaxPixel = 32767;
// The largest font size in points that the Windows font dialog accepts.
inline constexpr int32_t kMaxFontSize = 1638;

namespace setting {
inline constexpr IntSetting Start = FlagSetting("Start", 0);
// The general macro M<n> run at start; out of range: none.
inline constexpr IntSetting Action{"Action", 0, 0, 9999, OutOfRange::Default};
inline constexpr IntSetting ShowHidden = FlagSetting("ShowHidden", 1);
inline constexpr IntSetting Minimize = FlagSetting("Minimize", 0);
inline constexpr IntSetting BtnPanelStart = FlagSetting("BtnPanelStart", 0);
inline constexpr IntSetting Reactivate = FlagSetting("Reactivate", 0);
inline constexpr IntSetting ReactivateTime{"ReactivateTime", 60, 1, 1440};
inline constexpr IntSetting AutoLearn = FlagSetting("AutoLearn", 0);
inline constexpr IntSetting SeqDelay{"SeqDelay", 600, 0, 2000};
inline constexpr IntSetting CursorAcc{"CursorAcc", 20, 1, 100};
inline constexpr IntSetting Tolerance{"Tolerance", 1, 1, 20};
inline constexpr IntSetting SampleCount{"SampleCount", 5, 1, 20};
inline constexpr IntSetting Skip{"Skip", 0, 0, 50};
inline constexpr IntSetting PressDelay{"PressDelay", 300, 0, 1000};
inline constexpr IntSetting HoldTime{"HoldTime", 600, 300, 3000};
inline constexpr StrSetting Driver{"Driver", ""};
inline constexpr IntSetting OSD = FlagSetting("OSD", 1);
inline constexpr IntSetting OSDTime{"OSDTime", 1000, 0, 10000};
inline constexpr StrSetting OSDLoc{"OSDLoc", "Bottom right"};
// 0: the main screen; 1: the screen of the window in front; other values: 0.
inline constexpr IntSetting OSDScreen{"OSDScreen", 0, 0, 1, OutOfRange::Default};
inline constexpr StrSetting FontName{"FontName", "Times New Roman"};
inline constexpr IntSetting FontSize{"FontSize", 20, 1, kMaxFontSize};
inline constexpr IntSetting FontColor{"FontColor", 0, 0, kMaxColor};
inline constexpr IntSetting BackColor{"BackColor", 16777215, 0, kMaxColor};
// Read and written under both spellings CMDTime/CmdTime and CMDLoc/CmdLoc;
// names compare without case, so both spellings are one value.
inline constexpr IntSetting CmdTime{"CmdTime", 1000, 0, 10000};
inline constexpr StrSetting CmdLoc{"CmdLoc", "Bottom right"};
inline constexpr StrSetting CmdFontName{"CmdFontName", "Times New Roman"};
inline constexpr IntSetting CmdFontSize{"CmdFontSize", 20, 1, kMaxFontSize};
inline constexpr IntSetting CmdFontColor{"CmdFontColor", 0, 0, kMaxColor};
inline constexpr IntSetting CmdBackColor{"CmdBackColor", 16777215, 0, kMaxColor};
inline constexpr StrSetting Plugins{"Plugins", ""};
inline constexpr IntSetting BtnPanelX{"BtnPanelX", 0, kMinPixel, kMaxPixel};
inline constexpr IntSetting BtnPanelY{"BtnPanelY", 0, kMinPixel, kMaxPixel};
inline constexpr IntSetting BtnPanelW{"BtnPanelW", 40, 1, kMaxPixel};
inline constexpr IntSetting BtnPanelH{"BtnPanelH", 90, 1, kMaxPixel};
inline constexpr StrSetting BtnPanelBack{"BtnPanelBack", ""};
inline constexpr ComputedSetting Left{"Left", kMinPixel, kMaxPixel};
inline constexpr ComputedSetting Top{"Top", kMinPixel, kMaxPixel};
// The main window cannot be made lower than 200 pixels.
inline constexpr IntSetting Height{"Height", 472, 200, kMaxPixel};
// The receiver drivers' own values (docs/receivers.md).
inline constexpr StrSetting NetworkHost{"NetworkHost", "127.0.0.1"};
inline constexpr IntSetting NetworkPort{"NetworkPort", 8765, 1, 65535};
inline constexpr StrSetting SerialPort{"SerialPort", "COM1"};
// Windows remotes (HID): 1 hears every device's remote collections; the
// device names of the keyboards whose keys are remote buttons, joined by "|".
inline constexpr IntSetting HidRemotes = FlagSetting("HidRemotes", 1);
inline constexpr StrSetting HidKeyboards{"HidKeyboards", ""};
// The group of the program in front becomes the active group.
inline constexpr IntSetting FollowForeground = FlagSetting("FollowForeground", 0);
}  // namespace setting

// Every setting of the table, for listing and checking.
const std::vector<IntSetting>& AllIntSettings();
const std::vector<StrSetting>& AllStrSettings();
const std::vector<ComputedSetting>& AllComputedSettings();

// The access functions. None reports an error: a missing, unreadable or
// wrongly typed value reads as the default; a failed write is lost.
// A stored number is read within its range (OutOfRange), so no reader sees
// a value that the settings dialog could not have written; a name outside
// the table reads as stored.
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
