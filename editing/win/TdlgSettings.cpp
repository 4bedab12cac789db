#include "TdlgSettings.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include "CommonControls.h"
#include "DriverSearch.h"
#include "NumberEdit.h"
#include "OSDPlacement.h"
#include "PointFont.h"
#include "SettingsRes.h"
#include "ThisModule.h"
#include "tovdrv.h"

namespace {

// The sample's texts, one per page.
const char* const kSampleTexts[] = {"On screen display", "Commands"};
// The time label of each page.
const char* const kTimeLabels[] = {"S&howing time (ms):", "S&election time (ms):"};
const int kPageControls[] = {IDC_SETTINGS_TXTTIME, IDC_SETTINGS_UDTIME, IDC_SETTINGS_CMBLOCATION,
                             IDC_SETTINGS_BTNBACKGROUND, IDC_SETTINGS_BTNFONT};

}  // namespace

void TdlgSettings::FormCreate() {
    filling_ = true;
    driverAtStart_ = ReadSetting(setting::Driver);
    drivers_ = FindDrivers();
    HWND list = Control(IDC_SETTINGS_LBDRIVERS);
    for (const DriverEntry& driver : drivers_) ListBox_AddString(list, driver.name.c_str());
    ListBox_SetCurSel(list, SelectedDriver(drivers_, driverAtStart_));

    values_ = ReadSettingsValues();
    SetUpNumber(IDC_SETTINGS_UDTOLERANCE, kToleranceField, values_.tolerance);
    SetUpNumber(IDC_SETTINGS_UDSKIP, kSkipField, values_.skip);
    SetUpNumber(IDC_SETTINGS_UDPRESSDELAY, kPressDelayField, values_.pressDelay);
    SetUpNumber(IDC_SETTINGS_UDSEQUENCE, kSeqDelayField, values_.seqDelay);
    SetUpNumber(IDC_SETTINGS_UDSAMPLE, kSampleCountField, values_.sampleCount);
    SetUpNumber(IDC_SETTINGS_UDREACTIVATE, kReactivateField, values_.reactivateTime);
    SetUpNumber(IDC_SETTINGS_UDTIME, kTimeField, values_.pages[kDisplayPage].time);
    Button_SetCheck(Control(IDC_SETTINGS_CBREACTIVATE), values_.reactivate ? BST_CHECKED : BST_UNCHECKED);
    Button_SetCheck(Control(IDC_SETTINGS_CBMINIMIZE), values_.minimize ? BST_CHECKED : BST_UNCHECKED);
    Button_SetCheck(Control(IDC_SETTINGS_CBPANEL), values_.panelAtStart ? BST_CHECKED : BST_UNCHECKED);
    Button_SetCheck(Control(IDC_SETTINGS_CBLEARN), values_.autoLearn ? BST_CHECKED : BST_UNCHECKED);
    Button_SetCheck(Control(IDC_SETTINGS_CBOSD), values_.osd ? BST_CHECKED : BST_UNCHECKED);
    const BOOL reactivate = values_.reactivate;
    EnableWindow(Control(IDC_SETTINGS_TXTREACTIVATE), reactivate);
    EnableWindow(Control(IDC_SETTINGS_UDREACTIVATE), reactivate);
    HWND cursor = Control(IDC_SETTINGS_TBCURSOR);
    SendMessageA(cursor, TBM_SETRANGEMIN, FALSE, setting::CursorAcc.minimum);
    SendMessageA(cursor, TBM_SETRANGEMAX, FALSE, setting::CursorAcc.maximum);
    SendMessageA(cursor, TBM_SETTICFREQ, 10, 0);
    SendMessageA(cursor, TBM_SETPOS, TRUE, values_.cursorAcc);

    HWND tabs = Control(IDC_SETTINGS_PCSAMPLE);
    const char* const tabTexts[] = {"On screen display", "Command window"};
    for (int i = 0; i < 2; ++i) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(tabTexts[i]);
        TabCtrl_InsertItem(tabs, i, &tab);
    }
    HWND locations = Control(IDC_SETTINGS_CMBLOCATION);
    for (const char* location : kLocations) ComboBox_AddString(locations, location);
    ShowPage(kDisplayPage);
    filling_ = false;
}

void TdlgSettings::FormClose() {
    // Only OK keeps a driver clicked in the list.
    if (!accepted_) WriteSetting(setting::Driver, driverAtStart_);
}

void TdlgSettings::SetUpNumber(int upDown, const NumberField& field, int32_t value) {
    HWND control = Control(upDown);
    SendMessageA(control, UDM_SETRANGE32, field.setting->minimum, field.setting->maximum);
    UDACCEL step{0, static_cast<UINT>(field.step)};
    SendMessageA(control, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    SendMessageA(control, UDM_SETPOS32, 0, Clamped(*field.setting, value));
}

int32_t TdlgSettings::Position(int upDown) const {
    return static_cast<int32_t>(SendMessageA(Control(upDown), UDM_GETPOS32, 0, 0));
}

bool TdlgSettings::Checked(int id) const { return Button_GetCheck(Control(id)) == BST_CHECKED; }

void TdlgSettings::ShowPage(int page) {
    page_ = page;
    TabCtrl_SetCurSel(Control(IDC_SETTINGS_PCSAMPLE), page);
    SetDlgItemTextA(Handle(), IDC_SETTINGS_LBLTIME, kTimeLabels[page]);
    const bool filling = filling_;
    filling_ = true;
    SendMessageA(Control(IDC_SETTINGS_UDTIME), UDM_SETPOS32, 0, Page().time);
    ComboBox_SetCurSel(Control(IDC_SETTINGS_CMBLOCATION), Page().location);
    filling_ = filling;
    EnablePageControls();
    RedrawSample();
}

void TdlgSettings::EnablePageControls() {
    const BOOL enabled = PageControlsEnabled(page_, Checked(IDC_SETTINGS_CBOSD));
    for (int id : kPageControls) EnableWindow(Control(id), enabled);
}

void TdlgSettings::Command(int id, int notification) {
    if (filling_) return;
    switch (id) {
        case IDC_SETTINGS_TXTTIME:
            if (notification == EN_CHANGE) Page().time = Position(IDC_SETTINGS_UDTIME);
            break;
        case IDC_SETTINGS_TXTREACTIVATE:
            if (notification == EN_CHANGE) {
                const std::string typed = ControlText(id);
                values_.reactivateTime = TypedReactivateTime(typed, values_.reactivateTime);
                if (!ShowsAnotherNumber(typed, values_.reactivateTime)) break;
                filling_ = true;
                SendMessageA(Control(IDC_SETTINGS_UDREACTIVATE), UDM_SETPOS32, 0, values_.reactivateTime);
                filling_ = false;
            }
            break;
        case IDC_SETTINGS_CBREACTIVATE: {
            const BOOL on = Checked(id);
            EnableWindow(Control(IDC_SETTINGS_TXTREACTIVATE), on);
            EnableWindow(Control(IDC_SETTINGS_UDREACTIVATE), on);
            break;
        }
        case IDC_SETTINGS_CBOSD:
            EnablePageControls();
            RedrawSample();
            break;
        case IDC_SETTINGS_CMBLOCATION:
            if (notification == CBN_SELCHANGE) Page().location = ComboBox_GetCurSel(Control(id));
            break;
        case IDC_SETTINGS_BTNFONT:
            btnFontClick();
            break;
        case IDC_SETTINGS_BTNBACKGROUND:
            btnBackgroundClick();
            break;
        case IDC_SETTINGS_LBDRIVERS:
            if (notification == LBN_SELCHANGE) {
                const int index = ListBox_GetCurSel(Control(id));
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
    if (!PageControlsEnabled(page_, Checked(IDC_SETTINGS_CBOSD))) {
        FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const PageValues& page = values_.pages[page_];
    const HBRUSH back = CreateSolidBrush(static_cast<COLORREF>(page.backColor));
    FillRect(item.hDC, &area, back);
    DeleteObject(back);
    const HFONT font = CreatePointFont(page.fontName, page.fontSize, WindowDpi(Handle()));
    const HGDIOBJ previous = SelectObject(item.hDC, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(item.hDC, &metrics);
    SetTextColor(item.hDC, static_cast<COLORREF>(page.fontColor));
    SetBkMode(item.hDC, TRANSPARENT);
    const char* text = kSampleTexts[page_];
    const int top = HalfRoundedToEven((area.bottom - area.top) - metrics.tmHeight);
    TextOutA(item.hDC, area.left + 1, area.top + top, text, lstrlenA(text));
    SelectObject(item.hDC, previous);
    DeleteObject(font);
}

INT_PTR TdlgSettings::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == IDC_SETTINGS_IMGSAMPLE) {
        DrawSample(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return FALSE;
}

void TdlgSettings::btnOkClick() {
    values_.tolerance = Position(IDC_SETTINGS_UDTOLERANCE);
    values_.skip = Position(IDC_SETTINGS_UDSKIP);
    values_.pressDelay = Position(IDC_SETTINGS_UDPRESSDELAY);
    values_.seqDelay = Position(IDC_SETTINGS_UDSEQUENCE);
    values_.sampleCount = Position(IDC_SETTINGS_UDSAMPLE);
    values_.reactivate = Checked(IDC_SETTINGS_CBREACTIVATE);
    values_.minimize = Checked(IDC_SETTINGS_CBMINIMIZE);
    values_.cursorAcc = static_cast<int32_t>(SendMessageA(Control(IDC_SETTINGS_TBCURSOR), TBM_GETPOS, 0, 0));
    values_.autoLearn = Checked(IDC_SETTINGS_CBLEARN);
    values_.panelAtStart = Checked(IDC_SETTINGS_CBPANEL);
    values_.osd = Checked(IDC_SETTINGS_CBOSD);
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
