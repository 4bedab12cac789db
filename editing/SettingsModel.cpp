#include "editing/SettingsModel.h"

#include <algorithm>
#include <optional>

#include "core/NumberFields.h"

int LocationIndex(const std::string& text) {
    for (std::size_t i = 0; i < kLocations.size(); ++i)
        if (text == kLocations[i]) return static_cast<int>(i);
    return -1;
}

std::string LocationText(int index, const std::string& stored) {
    return index >= 0 && index < static_cast<int>(kLocations.size()) ? kLocations[index] : stored;
}

namespace {

PageValues ReadPage(const StrSetting& fontName, const IntSetting& fontSize, const IntSetting& fontColor,
                    const IntSetting& backColor, const IntSetting& time, const StrSetting& location) {
    PageValues page;
    page.fontName = ReadSetting(fontName);
    page.fontSize = ReadSetting(fontSize);
    page.fontColor = ReadSetting(fontColor);
    page.backColor = ReadSetting(backColor);
    page.time = ReadSetting(time);
    page.storedLocation = ReadSetting(location);
    page.location = LocationIndex(page.storedLocation);
    return page;
}

void Write(const IntSetting& setting, int32_t value) { WriteSetting(setting, Clamped(setting, value)); }
void Write(const IntSetting& setting, bool on) { WriteSetting(setting, on ? 1 : 0); }

void WriteLook(const PageValues& page, const StrSetting& fontName, const IntSetting& fontSize,
               const IntSetting& fontColor, const IntSetting& backColor) {
    WriteSetting(fontName, page.fontName);
    Write(fontSize, page.fontSize);
    Write(fontColor, page.fontColor);
    Write(backColor, page.backColor);
}

void WritePlace(const PageValues& page, const IntSetting& time, const StrSetting& location) {
    Write(time, page.time);
    WriteSetting(location, LocationText(page.location, page.storedLocation));
}

}  // namespace

SettingsValues ReadSettingsValues() {
    using namespace setting;
    SettingsValues v;
    v.tolerance = ReadSetting(Tolerance);
    v.skip = ReadSetting(Skip);
    v.pressDelay = ReadSetting(PressDelay);
    v.seqDelay = ReadSetting(SeqDelay);
    v.holdTime = ReadSetting(HoldTime);
    v.sampleCount = ReadSetting(SampleCount);
    v.reactivate = ReadSetting(Reactivate) == 1;
    v.reactivateTime = ReadSetting(ReactivateTime);
    v.minimize = ReadMinimizeSetting();
    v.cursorAcc = ReadSetting(CursorAcc);
    v.autoLearn = ReadSetting(AutoLearn) == 1;
    v.panelAtStart = ReadSetting(BtnPanelStart) == 1;
    v.followForeground = ReadSetting(FollowForeground) == 1;
    v.osd = ReadSetting(OSD) == 1;
    v.osdScreen = ReadSetting(OSDScreen);
    v.pages[kDisplayPage] = ReadPage(FontName, FontSize, FontColor, BackColor, OSDTime, OSDLoc);
    v.pages[kChooserPage] = ReadPage(CmdFontName, CmdFontSize, CmdFontColor, CmdBackColor, CmdTime, CmdLoc);
    return v;
}

void WriteSettingsValues(const SettingsValues& v) {
    using namespace setting;
    Write(Tolerance, v.tolerance);
    Write(Skip, v.skip);
    Write(PressDelay, v.pressDelay);
    Write(SeqDelay, v.seqDelay);
    Write(Reactivate, v.reactivate);
    Write(ReactivateTime, v.reactivateTime);
    Write(Minimize, v.minimize);
    Write(CursorAcc, v.cursorAcc);
    Write(AutoLearn, v.autoLearn);
    Write(BtnPanelStart, v.panelAtStart);
    Write(FollowForeground, v.followForeground);
    Write(SampleCount, v.sampleCount);
    WriteLook(v.pages[kDisplayPage], FontName, FontSize, FontColor, BackColor);
    WriteLook(v.pages[kChooserPage], CmdFontName, CmdFontSize, CmdFontColor, CmdBackColor);
    Write(OSD, v.osd);
    WritePlace(v.pages[kDisplayPage], OSDTime, OSDLoc);
    WritePlace(v.pages[kChooserPage], CmdTime, CmdLoc);
    Write(HoldTime, v.holdTime);
    Write(OSDScreen, v.osdScreen);
}

int32_t Clamped(const IntSetting& setting, int32_t value) {
    return std::clamp(value, setting.minimum, setting.maximum);
}

int32_t TypedReactivateTime(const std::string& text, int32_t previous) {
    const std::optional<int32_t> number = ParseDialogInteger(text);
    return number ? Clamped(setting::ReactivateTime, *number) : previous;
}

bool PageControlsEnabled(int page, bool osd) { return page == kChooserPage || osd; }
