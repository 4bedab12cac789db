// The settings dialog's values: read from the settings when the dialog
// opens, kept per page for the on-screen display and the command chooser,
// and written back in one fixed order on OK. The ranges and defaults are
// those of the settings table.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Settings.h"

// The two pages of the dialog's sample, in the order of their tabs.
enum SettingsPage { kDisplayPage = 0, kChooserPage = 1 };

// The places offered for the on-screen display and the chooser, in the
// order of the dialog's list.
inline constexpr std::array<const char*, 5> kLocations{"Center", "Top left", "Top right", "Bottom left",
                                                       "Bottom right"};

// The entries of "Show on", in the order of the OSDScreen values.
inline constexpr std::array<const char*, 2> kScreens{"the main screen", "the screen of the window in front"};

// The index of the text in kLocations (exact, letter case counts); -1 when
// it is none of them.
int LocationIndex(const std::string& text);
// The list text at index; the stored text when nothing of the list was
// chosen, so that a place the list does not offer is kept.
std::string LocationText(int index, const std::string& stored);

// The look of one page.
struct PageValues {
    std::string fontName;
    int32_t fontSize = 0;
    int32_t fontColor = 0;
    int32_t backColor = 0;
    int32_t time = 0;
    int location = -1;  // index into kLocations, -1 for none
    std::string storedLocation;
};

struct SettingsValues {
    int32_t tolerance = 0;
    int32_t skip = 0;
    int32_t pressDelay = 0;
    int32_t seqDelay = 0;
    int32_t holdTime = 0;
    int32_t sampleCount = 0;
    bool reactivate = false;
    int32_t reactivateTime = 0;
    bool minimize = false;
    int32_t cursorAcc = 0;
    bool autoLearn = false;
    bool panelAtStart = false;
    bool followForeground = false;
    bool osd = false;
    int32_t osdScreen = 0;  // index into kScreens
    std::array<PageValues, 2> pages;
};

// Every value as stored, within its range (the settings table clamps).
SettingsValues ReadSettingsValues();
// Writes every value, each clamped to its range, in the order: learn and
// receiver timing, reactivation, the options, the display's look, the
// chooser's look, the display's use, time and place, the chooser's time and
// place, the screen of both. The driver is not among them: the dialog writes it on each click.
void WriteSettingsValues(const SettingsValues& values);

// The dialog's number fields: the setting gives the range and the default,
// step is the up-down's increment or the track bar's distance between ticks.
struct NumberField {
    const IntSetting* setting;
    int step;
};
inline constexpr NumberField kToleranceField{&setting::Tolerance, 1};
inline constexpr NumberField kSkipField{&setting::Skip, 1};
inline constexpr NumberField kPressDelayField{&setting::PressDelay, 10};
inline constexpr NumberField kSeqDelayField{&setting::SeqDelay, 10};
inline constexpr NumberField kHoldTimeField{&setting::HoldTime, 50};
inline constexpr NumberField kSampleCountField{&setting::SampleCount, 1};
inline constexpr NumberField kReactivateField{&setting::ReactivateTime, 1};
inline constexpr NumberField kCursorField{&setting::CursorAcc, 10};
// The shared time field: both pages' times have the same range.
inline constexpr NumberField kTimeField{&setting::OSDTime, 50};

int32_t Clamped(const IntSetting& setting, int32_t value);

// The reactivation minutes after the user typed text: the number clamped
// to its range, or previous when the text is no whole number.
int32_t TypedReactivateTime(const std::string& text, int32_t previous);

// The time, place, font and background controls: always on the chooser's
// page, on the display's page only while the display is in use.
bool PageControlsEnabled(int page, bool osd);
