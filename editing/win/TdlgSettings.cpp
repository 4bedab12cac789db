#include "editing/win/TdlgSettings.h"

#include <commctrl.h>
#include <commdlg.h>

#include "core/win/CommonControls.h"
#include "core/win/PointFont.h"
#include "core/win/Scoped.h"
#include "core/win/ThisModule.h"
#include "display/OSDPlacement.h"
#include "editing/NumberEdit.h"
#include "editing/win/DriverSearch.h"
#include "editing/win/TdlgSettingsRes.h"
#include "receiver/tovdrv.h"

namespace {

// The sample's texts, one per page.
const char* const kSampleTexts[] = {"On screen display", "Commands"};
// The time label of each page.
const char* const kTimeLabels[] = {"S&howing time (ms):", "S&election time (ms):"};
const int kPageControls[] = {IDC_SETTINGS_TXTTIME, IDC_SETTINGS_UDTIME, IDC_SETTINGS_CMBLOCATION,
                             IDC_SETTINGS_BTNBACKGROUND, IDC_SETTINGS_BTNFONT};

void SetUpNumber(HWND control, const NumberField& field, int32_t value) {
    SetUpUpDown(control, field.setting->minimum, field.setting->maximum, field.step, value);
}

Binding NumberLine(int upDown, int32_t& value, const NumberField& field) {
    return bind::UpDown(upDown, value, field.setting->minimum, field.setting->maximum, field.step);
}

}  // namespace

// The reactivation time, the page values and the display's check box are
// kept as the user changes them, for the sample and the pages; the rest
// goes through the table.
TdlgSettings::TdlgSettings() {
    Bind({NumberLine(IDC_SETTINGS_UDTOLERANCE, values_.tolerance, kToleranceField),
          NumberLine(IDC_SETTINGS_UDSKIP, values_.skip, kSkipField),
          NumberLine(IDC_SETTINGS_UDPRESSDELAY, values_.pressDelay, kPressDelayField),
          NumberLine(IDC_SETTINGS_UDSEQUENCE, values_.seqDelay, kSeqDelayField),
          NumberLine(IDC_SETTINGS_UDHOLDTIME, values_.holdTime, kHoldTimeField),
          NumberLine(IDC_SETTINGS_UDSAMPLE, values_.sampleCount, kSampleCountField),
          bind::Check(IDC_SETTINGS_CBREACTIVATE, values_.reactivate),
          bind::Check(IDC_SETTINGS_CBMINIMIZE, values_.minimize),
          bind::TrackBar(IDC_SETTINGS_TBCURSOR, values_.cursorAcc, kCursorField.setting->minimum,
                         kCursorField.setting->maximum, kCursorField.step),
          bind::Check(IDC_SETTINGS_CBLEARN, values_.autoLearn),
          bind::Check(IDC_SETTINGS_CBPANEL, values_.panelAtStart),
          bind::Check(IDC_SETTINGS_CBFOLLOW, values_.followForeground),
          bind::ComboValue(IDC_SETTINGS_CMBSCREEN, values_.osdScreen, screens_)},
         "Settings");
}

void TdlgSettings::FormCreate() {
    driverAtStart_ = ReadSetting(setting::Driver);
    drivers_ = FindDrivers();
    std::vector<std::string> names;
    for (const DriverEntry& driver : drivers_) names.push_back(driver.name);
    FillList(IDC_SETTINGS_LBDRIVERS, names);
    SelectIndex(IDC_SETTINGS_LBDRIVERS, SelectedDriver(drivers_, driverAtStart_));

    values_ = ReadSettingsValues();
    SetUpNumber(Control(IDC_SETTINGS_UDREACTIVATE), kReactivateField, values_.reactivateTime);
    SetUpNumber(Control(IDC_SETTINGS_UDTIME), kTimeField, values_.pages[kDisplayPage].time);
    SetChecked(IDC_SETTINGS_CBOSD, values_.osd);
    EnableControl(IDC_SETTINGS_TXTREACTIVATE, values_.reactivate);
    EnableControl(IDC_SETTINGS_UDREACTIVATE, values_.reactivate);

    HWND tabs = Control(IDC_SETTINGS_PCSAMPLE);
    const char* const tabTexts[] = {"On screen display", "Command window"};
    for (int i = 0; i < 2; ++i) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(tabTexts[i]);
        TabCtrl_InsertItem(tabs, i, &tab);
    }
    FillList(IDC_SETTINGS_CMBLOCATION, {kLocations.begin(), kLocations.end()});
    FillList(IDC_SETTINGS_CMBSCREEN, {kScreens.begin(), kScreens.end()});
    for (int i = 0; i < static_cast<int>(kScreens.size()); ++i) screens_.Set(i, i, kScreens.size());
    ShowPage(kDisplayPage);
}

void TdlgSettings::FormClose() {
    // Only OK keeps a driver clicked in the list.
    if (!accepted_) WriteSetting(setting::Driver, driverAtStart_);
}

void TdlgSettings::ShowPage(int page) {
    page_ = page;
    TabCtrl_SetCurSel(Control(IDC_SETTINGS_PCSAMPLE), page);
    SetControlText(IDC_SETTINGS_LBLTIME, kTimeLabels[page]);
    {
        const ScopedFlag filling = FillingControls();
        SetUpDownPosition(IDC_SETTINGS_UDTIME, Page().time);
        SelectIndex(IDC_SETTINGS_CMBLOCATION, Page().location);
    }
    EnablePageControls();
    RedrawSample();
}

void TdlgSettings::EnablePageControls() {
    const bool enabled = PageControlsEnabled(page_, values_.osd);
    for (int id : kPageControls) EnableControl(id, enabled);
}

void TdlgSettings::Command(int id, int notification) {
    if (Filling()) return;
    switch (id) {
        case IDC_SETTINGS_TXTTIME:
            if (notification == EN_CHANGE) Page().time = UpDownPosition(IDC_SETTINGS_UDTIME);
            break;
        case IDC_SETTINGS_TXTREACTIVATE:
            if (notification == EN_CHANGE) {
                const std::string typed = ControlText(id);
                values_.reactivateTime = TypedReactivateTime(typed, values_.reactivateTime);
                if (!ShowsAnotherNumber(typed, values_.reactivateTime)) break;
                const ScopedFlag filling = FillingControls();
                SetUpDownPosition(IDC_SETTINGS_UDREACTIVATE, values_.reactivateTime);
            }
            break;
        case IDC_SETTINGS_CBREACTIVATE:
            EnableControl(IDC_SETTINGS_TXTREACTIVATE, Checked(id));
            EnableControl(IDC_SETTINGS_UDREACTIVATE, Checked(id));
            break;
        case IDC_SETTINGS_CBOSD:
            values_.osd = Checked(id);
            EnablePageControls();
            RedrawSample();
            break;
        case IDC_SETTINGS_CMBLOCATION:
            if (notification == CBN_SELCHANGE) Page().location = SelectedIndex(id);
            break;
        case IDC_SETTINGS_BTNFONT:
            btnFontClick();
            break;
        case IDC_SETTINGS_BTNBACKGROUND:
            btnBackgroundClick();
            break;
        case IDC_SETTINGS_LBDRIVERS:
            if (notification == LBN_SELCHANGE) {
                const int index = SelectedIndex(id);
                // At once, so that "Configure..." configures the driver just chosen.
                if (index >= 0 && index < static_cast<int>(drivers_.size()))
                    WriteSetting(setting::Driver, drivers_[index].file);
            }
            break;
        case IDC_SETTINGS_BTNCONFIGURE:
            DRV_Settings();
            break;
    }
}

LRESULT TdlgSettings::Notify(const NMHDR& header) {
    if (header.idFrom == IDC_SETTINGS_PCSAMPLE && header.code == TCN_SELCHANGE)
        ShowPage(TabCtrl_GetCurSel(header.hwndFrom) == kChooserPage ? kChooserPage : kDisplayPage);
    return 0;
}

void TdlgSettings::btnFontClick() {
    LOGFONTA font{};
    // The font dialog reads the size back at the screen's DPI.
    font.lfHeight = -PointsToPixels(Page().fontSize, WindowDpi(nullptr));
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, Page().fontName.c_str(), LF_FACESIZE);
    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = Handle();
    choice.lpLogFont = &font;
    choice.rgbColors = static_cast<COLORREF>(Page().fontColor);
    choice.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&choice)) return;
    SetForegroundWindow(Handle());
    Page().fontName = font.lfFaceName;
    Page().fontSize = Clamped(setting::FontSize, choice.iPointSize / 10);
    Page().fontColor = static_cast<int32_t>(choice.rgbColors & kMaxColor);
    RedrawSample();
}

void TdlgSettings::btnBackgroundClick() {
    static COLORREF customColors[16] = {};
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = Handle();
    choice.rgbResult = static_cast<COLORREF>(Page().backColor);
    choice.lpCustColors = customColors;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&choice)) return;
    SetForegroundWindow(Handle());
    Page().backColor = static_cast<int32_t>(choice.rgbResult & kMaxColor);
    RedrawSample();
}

void TdlgSettings::RedrawSample() { InvalidateRect(Control(IDC_SETTINGS_IMGSAMPLE), nullptr, TRUE); }

void TdlgSettings::DrawSample(const DRAWITEMSTRUCT& item) const {
    const RECT area = item.rcItem;
    if (!PageControlsEnabled(page_, values_.osd)) {
        FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const PageValues& page = values_.pages[page_];
    const UniqueBrush back(CreateSolidBrush(static_cast<COLORREF>(page.backColor)));
    FillRect(item.hDC, &area, back.get());
    const UniqueFont font(CreatePointFont(page.fontName, page.fontSize, WindowDpi(Handle())));
    const SelectedObject selected(item.hDC, font.get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(item.hDC, &metrics);
    SetTextColor(item.hDC, static_cast<COLORREF>(page.fontColor));
    SetBkMode(item.hDC, TRANSPARENT);
    const char* text = kSampleTexts[page_];
    const int top = HalfRoundedToEven((area.bottom - area.top) - metrics.tmHeight);
    TextOutA(item.hDC, area.left + 1, area.top + top, text, lstrlenA(text));
}

INT_PTR TdlgSettings::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == IDC_SETTINGS_IMGSAMPLE) {
        DrawSample(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return FALSE;
}

void TdlgSettings::btnOkClick() {
    if (!StoreBindings()) return;
    WriteSettingsValues(values_);
    accepted_ = true;
    Close(IDOK);
}

bool EditSettings(HWND owner) {
    RegisterCommonControls(ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_TAB_CLASSES);
    TdlgSettings dialog;
    dialog.ShowModal(ThisModule(), IDD_SETTINGS, owner);
    return dialog.Accepted();
}
