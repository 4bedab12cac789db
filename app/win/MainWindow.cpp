#include "app/win/MainWindow.h"

#include <cmath>

#include "app/mainrules/WindowPosition.h"
#include "app/mixer/win/SystemVolume.h"
#include "app/win/SingleInstance.h"
#include "app/win/Splash.h"
#include "app/win/TfrmMonitor.h"
#include "app/win/resource.h"
#include "core/Guarded.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "core/win/Controls.h"
#include "core/win/SafeFile.h"
#include "core/win/ShowHelp.h"
#include "core/win/SystemKeyboardLayout.h"
#include "display/ButtonList.h"
#include "display/tovshow.h"
#include "store/tovdata.h"

namespace {
// The receiver's state after the product name, in the caption and the tool tip.
const char* const kActiveText = "Tovanix - receiving";
const char* const kInactiveText = "Tovanix - not receiving";
const char* const kResumeFailedText = "The IR-receiver did not start again after the computer resumed.";

constexpr DWORD kStartUpWaitMs = 4000;
constexpr UINT kStartUpDelayMs = 500;

TfrmMain* hookedWindow = nullptr;

HICON NamedIcon(HINSTANCE instance, const char* name, int size) {
    return static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}
}  // namespace

TfrmMain::TfrmMain(HINSTANCE instance)
    : instance_(instance),
      volume_(CreateSystemVolumeControl()),
      executor_(items_, desktop_, clock_, *this, CurrentKeyboardLayout()),
      dispatcher_(items_, desktop_, *this, *this, executor_),
      driver_(TIRCommandProc{&TfrmMain::ReceiveIRCommand, this},
              TStatusProc{&TfrmMain::ReceiverStatus, this}),
      receiver_(driver_, *this) {
    FormCreate();
}

TfrmMain::~TfrmMain() {
    if (shutdownHook_) UnhookWindowsHookEx(shutdownHook_);
    hookedWindow = nullptr;
}

bool TfrmMain::TranslateAccelerator(MSG& message) {
    // The monitor's Ctrl+C copies its lines, not a macro.
    if (monitor_ && monitor_->PreTranslate(message)) return true;
    return accelerators_ && ::TranslateAcceleratorA(Handle(), accelerators_, &message);
}

void TfrmMain::OpenMonitor() {
    if (!monitor_)
        monitor_ = std::make_unique<TfrmMonitor>(dispatcher_, receiver_, driver_.CommandCallback());
    monitor_->Open(instance_);
}

void TfrmMain::FormCreate() {
    // The splash window while everything starts; closing waits for the end
    // of the start.
    const DWORD started = GetTickCount();
    TdlgSplash splash(instance_);
    splash_ = &splash;

    // The main window itself, hidden until the start-up decides where it goes.
    TWindowClass windowClass;
    windowClass.name = kClassName;
    windowClass.module = instance_;
    windowClass.icon = NamedIcon(instance_, "MAINICON", 32);
    windowClass.smallIcon = NamedIcon(instance_, "MAINICON", 16);
    windowClass.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    mainMenu_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDM_MAINMENU));
    dpi_ = WindowDpi(nullptr);
    Create(windowClass, 0, kInactiveText,
           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN,
           CW_USEDEFAULT, CW_USEDEFAULT, Scaled(kWidth), Scaled(kDefaultHeight), nullptr, mainMenu_);
    accelerators_ = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDA_MAIN));
    popupMenu_.reset(LoadMenuA(instance_, MAKEINTRESOURCEA(IDM_POPUP)));
    trayMenu_.reset(LoadMenuA(instance_, MAKEINTRESOURCEA(IDM_TRAY)));
    CreateControls();

    // Windows shutting down or logging off closes the driver first.
    hookedWindow = this;
    shutdownHook_ = SetWindowsHookExA(WH_CALLWNDPROC, ShutdownHook, nullptr, GetCurrentThreadId());

    // The tray icon. The icon may change twice with each press: its images
    // are loaded once, and the shell is told only of a change that lasts, once
    // for image and tip.
    TrayIcon1.SetPopupMenu(GetSubMenu(trayMenu_.get(), 0), Handle());
    TrayIcon1.OnDblClick = [this] {
        if (!IsWindowVisible(Handle())) ShowFromTray();
    };
    const char* const trayIconNames[] = {"TRAYDISABLE", "TRAYENABLE", "TRAYRED"};
    for (int i = 0; i < 3; ++i) trayIcons_[i].reset(NamedIcon(instance_, trayIconNames[i], 16));
    UpdateTrayIcon(false, false);
    TrayIcon1.SetActive(true);
    ShowReceiving(false);

    // The check boxes before the items, so that the tree is built once, with
    // hidden macros shown as the setting says.
    SetChecked(cbStart_, ReadStartSetting());
    const bool showHidden = ReadSetting(setting::ShowHidden) == 1;
    SetChecked(cbHidden_, showHidden);
    tree_.SetShowHidden(showHidden);

    // The items and the tree. The button list's temporary file, left by a
    // write cut short, goes at start as the command file's does.
    RemoveLeftoverTemporary(ProgramFolder() + kButtonListFileName);
    LoadItems(false);
    FillStartupCombo();

    // The receiver, paused until the start-up activates it.
    receiver_.Init();

    // The splash stays at least this long after the start.
    const DWORD elapsed = GetTickCount() - started;
    if (elapsed < kStartUpWaitMs) clock_.Wait(kStartUpWaitMs - elapsed, true);

    // Where the window goes: with "Activate in startup", off the screen until
    // DoStartUp activates and places it; else shown at its place.
    if (Checked(cbStart_)) {
        SetWindowPos(Handle(), nullptr, -1000, -1000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        SetTimer(Handle(), kStartUpTimer, kStartUpDelayMs, nullptr);
        EnableWindow(cmbActions_.Handle(), TRUE);
    } else {
        EnableWindow(cmbActions_.Handle(), FALSE);
        RestorePosition();
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
    }
    // The start is done: the program may close.
    receiver_.CloseAllowed = true;
    FollowForeground();
    // The button panel, when it opens at start.
    if (ReadSetting(setting::BtnPanelStart) == 1) ToggleButtonPanel();
    splash_ = nullptr;
}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->hwndFrom == tree_.Handle())
                return OnTreeNotify(reinterpret_cast<NMHDR*>(lParam));
            break;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_SIZE:
            FormResize();
            return 0;
        case WM_GETMINMAXINFO: {
            // The width is fixed.
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize.x = limits->ptMaxTrackSize.x = Scaled(kWidth);
            limits->ptMinTrackSize.y = Scaled(kMinimumHeight);
            return 0;
        }
        case WM_DPICHANGED:
            DpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SYSCOMMAND:
            // Minimizing hides the window to the tray.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                HideToTray();
                return 0;
            }
            break;
        case kShowRunningCopyMessage:
            // Another start from this folder: the user wants this copy. While
            // it starts, its start-up decides where it goes.
            if (!splash_) {
                if (IsWindowVisible(Handle()))
                    SetForegroundWindow(Handle());
                else
                    ShowFromTray();
            }
            return 0;
        case WM_POWERBROADCAST:
            // Sent once after every wake-up; the others (suspend, user
            // input, battery) leave the receiver alone.
            if (wParam == PBT_APMRESUMEAUTOMATIC) receiver_.Resume();
            return TRUE;
        case WM_CLOSE:
            if (FormCloseQuery()) {
                FormClose();
                DestroyWindow(Handle());
            }
            return 0;
        case WM_DESTROY:
            // The panel writes its buttons as it goes.
            CloseButtonPanel();
            TrayIcon1.SetActive(false);
            PostQuitMessage(0);
            return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TfrmMain::OnTimer(UINT_PTR timer) {
    switch (timer) {
        case kButtonTimer:
            dispatcher_.timButtonTimer();
            break;
        case kRepeatTimer:
            dispatcher_.RepeatTimerFired();
            break;
        case kStartUpTimer:
            DoStartUp();
            break;
        case kActivateTimer:
            timActivateTimer();
            break;
        case kReactivateTimer:
            receiver_.ReactivateTick();
            break;
    }
}

void TfrmMain::DoStartUp() {
    KillTimer(Handle(), kStartUpTimer);
    if (StartUpTimerIsDelay) {
        StartUpTimerIsDelay = false;
        return;
    }
    SetReceiverActive(false, true, true);
    RestorePosition();
    const int action = ReadSetting(setting::Action);
    if (action > 0 && Checked(cbStart_)) {
        const std::string id = "M" + std::to_string(action);
        if (getMacro(id.c_str())) dispatcher_.ExecuteItem(id.c_str());
    }
}

void TfrmMain::FollowForeground() {
    if (ReadSetting(setting::FollowForeground) != 1) {
        foregroundHook_.reset();
    } else if (!foregroundHook_) {
        foregroundHook_.emplace(
            [this](HWND window) { Guarded([&] { dispatcher_.ForegroundChanged(FromHwnd(window)); }); });
    }
}

void TfrmMain::ShowReceiving(bool active) {
    SetWindowTextA(Handle(), active ? kActiveText : kInactiveText);
    SetControlText(btnActivate_, active ? "S&top" : "&Activate");
    ModifyMenuA(trayMenu_.get(), IDM_ACTIVATE, MF_BYCOMMAND | MF_STRING, IDM_ACTIVATE,
                active ? "S&top" : "&Activate");
    ModifyMenuA(mainMenu_, IDM_ACTIVATE, MF_BYCOMMAND | MF_STRING, IDM_ACTIVATE,
                active ? "&Deactivate IR-receiver" : "&Activate IR-receiver");
    DrawMenuBar(Handle());
}

// The tray menu's item stays available: it follows the receiver as it is.
void TfrmMain::EnableActivate(bool enabled) {
    EnableWindow(btnActivate_, enabled);
    EnableMenuItem(mainMenu_, IDM_ACTIVATE, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TfrmMain::ShowBusy(bool busy) {
    if (busy && busyDepth_++ == 0) busyCursor_.emplace();
    if (!busy && --busyDepth_ == 0) busyCursor_.reset();
}

void TfrmMain::SetReceiverActive(bool fromUser, bool activate, bool minimizeAfter) {
    receiver_.SetActive(fromUser, activate, minimizeAfter);
}

// The callbacks below run inside the libraries' calls (tovdrv, tovshow): an
// exception must stop in them, as at an export.
void TfrmMain::ReceiveIRCommand(void* context, const char* command) {
    Guarded([&] { static_cast<TfrmMain*>(context)->dispatcher_.ReceiveIRCommand(command); });
}

// What the receiver tells the user (a server it cannot reach, say) appears
// at the tray icon, where it is seen also while the window is hidden.
void TfrmMain::ReceiverStatus(void* context, const char* text) {
    Guarded([&] { static_cast<TfrmMain*>(context)->TrayIcon1.ShowBalloon("Tovanix", text); });
}

bool TfrmMain::IsReceiverActive() { return receiver_.IsActive(); }

void TfrmMain::SetReceiverRepeat(bool repeat) { receiver_.SetRepeat(repeat); }

void TfrmMain::InputGoesTo(WindowHandle window) {
    if (const std::optional<std::string> notice = elevation_.Check(window))
        TrayIcon1.ShowBalloon("Tovanix", *notice);
}

// The running image of a macro of one key is gone before the next screen
// frame: the shell hears only of images that last a frame (DeferredTrayImage).
void TfrmMain::UpdateTrayIcon(bool active, bool busy) {
    const TrayImage image = !active ? Inactive : busy ? Busy : Active;
    TrayStep step;
    {
        const std::lock_guard lock(trayMutex_);
        step = trayImage_.Want(image);
        if (step == TrayStep::TellNow) ShowTrayImage(image);
    }
    if (step == TrayStep::AfterFrame) trayFrame_.Start(DeferredTrayImage::kFrameMs);
}

void TfrmMain::TrayFrameOver() {
    const std::lock_guard lock(trayMutex_);
    if (const std::optional<int> image = trayImage_.FrameOver()) ShowTrayImage(*image);
}

void TfrmMain::ShowTrayImage(int image) {
    TrayIcon1.SetImage(trayIcons_[image].get(), image == Inactive ? kInactiveText : kActiveText);
}

void TfrmMain::ReportInitFailure() {
    // While the program starts, the splash stays on top of every window: the
    // message belongs to it and stands above it, where the user can answer it.
    const HWND owner = splash_ ? splash_->Handle() : Handle();
    const UINT onTop = splash_ ? MB_TOPMOST | MB_SETFOREGROUND : 0;
    MessageBoxA(owner, "IR-receiver initialization did not succeed! Check the driver settings!", "Error",
                MB_OK | MB_ICONEXCLAMATION | onTop);
}

void TfrmMain::ReportResumeFailure() { TrayIcon1.ShowBalloon("Tovanix", kResumeFailedText); }

void TfrmMain::Wait(double seconds) { clock_.Wait(static_cast<uint32_t>(std::lround(seconds * 1000)), true); }

void TfrmMain::WatchLaunchedWindow(WindowHandle window) {
    LaunchedWindow = window;
    SetTimer(Handle(), kActivateTimer, 500, nullptr);
}

void TfrmMain::timActivateTimer() {
    // Nothing to watch (no window was found) counts as gone.
    if (IsWindowHandle(LaunchedWindow) && IsWindow(ToHwnd(LaunchedWindow))) return;
    KillTimer(Handle(), kActivateTimer);
    LaunchedWindow = 0;
    StartUpTimerIsDelay = true;
    SetTimer(Handle(), kStartUpTimer, 1000, nullptr);
    while (StartUpTimerIsDelay && IsWindow(Handle())) clock_.Wait(50, true);
    if (!IsReceiverActive()) SetReceiverActive(false, true, true);
}

void TfrmMain::HideToTray() {
    SavePosition();
    ShowWindow(Handle(), SW_HIDE);
    ModifyMenuA(trayMenu_.get(), IDM_SHOWHIDE, MF_BYCOMMAND | MF_STRING, IDM_SHOWHIDE, "&Show");
}

void TfrmMain::ShowFromTray() {
    RestorePosition();
    ShowWindow(Handle(), SW_SHOW);
    ModifyMenuA(trayMenu_.get(), IDM_SHOWHIDE, MF_BYCOMMAND | MF_STRING, IDM_SHOWHIDE, "&Minimize");
    SetForegroundWindow(Handle());
}

void TfrmMain::RestorePosition() {
    const int unset = INT32_MIN;
    const int left = ReadIntSetting(setting::Left.name, unset);
    const int top = ReadIntSetting(setting::Top.name, unset);
    // A stored height is the user's, in pixels; the first one follows the DPI.
    const int height = ReadIntSetting(setting::Height.name, unset) == unset ? Scaled(kDefaultHeight)
                                                                            : ReadSetting(setting::Height);
    // The work area of the monitor nearest the saved place, else the main one.
    const POINT savedPlace{left, top};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(left == unset || top == unset ? MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)
                                                  : MonitorFromPoint(savedPlace, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const ScreenArea area{monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right,
                          monitor.rcWork.bottom};
    const Placement placement = RestoredPlacement(left == unset ? std::nullopt : std::optional<int>(left),
                                                  top == unset ? std::nullopt : std::optional<int>(top),
                                                  height, Scaled(kWidth), Scaled(kMinimumHeight), area);
    SetWindowPos(Handle(), nullptr, placement.left, placement.top, Scaled(kWidth), placement.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfrmMain::SavePosition() {
    RECT rect;
    if (!GetWindowRect(Handle(), &rect)) return;
    // Off the screen while the start-up runs: nothing worth keeping.
    if (rect.left == -1000 && rect.top == -1000) return;
    WriteIntSetting(setting::Left.name, rect.left);
    WriteIntSetting(setting::Top.name, rect.top);
    WriteSetting(setting::Height, rect.bottom - rect.top);
}

bool TfrmMain::FormCloseQuery() {
    if (!receiver_.CloseQuery()) return false;
    if (IsWindowVisible(Handle())) SavePosition();
    return true;
}

void TfrmMain::FormClose() { receiver_.Close(); }

LRESULT CALLBACK TfrmMain::ShutdownHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call && call->message == WM_QUERYENDSESSION && hookedWindow) {
        TfrmMain& main = *hookedWindow;
        if (!IsWindowVisible(main.Handle())) {
            SetWindowPos(main.Handle(), nullptr, -1000, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ShowWindow(main.Handle(), SW_SHOWNA);
        }
        main.receiver_.Close();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TfrmMain::ShowCommand(const char* text) { ShowCommandNear(text, 0); }

void TfrmMain::ShowCommandNear(const char* text, WindowHandle target) {
    TOSDText osd;
    CopyText(osd, text);
    showCommandNear(osd, IsWindowHandle(target) ? ToHwnd(target) : nullptr);
}

// The chooser takes the receiver's callback and gives it back before it runs
// the chosen command.
void TfrmMain::ChooseAndExecuteCommand(TMacroRecord* macro) {
    chooseAndExecuteCommand(macro, TExecuteProc{&TfrmMain::ExecuteChosen, this}, driver_.CommandCallback());
}

// Unlike a macro run by its button, the chosen command leaves the repetition
// count and the window in front alone.
void TfrmMain::ExecuteChosen(void* context, TMacroRecord* macro, bool showOSD, int index) {
    Guarded([&] {
        auto* self = static_cast<TfrmMain*>(context);
        TItemID id;
        CopyItemID(id, macro->ID);
        self->executor_.ExecuteMacro(id, showOSD, index);
        self->UpdateTrayIcon(self->IsReceiverActive(), false);
    });
}

void TfrmMain::StepVolume(bool up) { volume_->StepVolume(up); }
void TfrmMain::ToggleMute() { volume_->ToggleMute(); }

void TfrmMain::Start(DispatchTimer timer, unsigned milliseconds) {
    SetTimer(Handle(), timer == DispatchTimer::Button ? kButtonTimer : kRepeatTimer, milliseconds, nullptr);
    if (timer == DispatchTimer::Button)
        buttonTimerRunning_ = true;
    else
        repeatTimerRunning_ = true;
}

// The dispatch stops the Repeat timer at every press: a timer that does not
// run costs no call.
void TfrmMain::Stop(DispatchTimer timer) {
    bool& running = timer == DispatchTimer::Button ? buttonTimerRunning_ : repeatTimerRunning_;
    if (!running) return;
    KillTimer(Handle(), timer == DispatchTimer::Button ? kButtonTimer : kRepeatTimer);
    running = false;
}

bool TfrmMain::IsRunning(DispatchTimer timer) {
    return timer == DispatchTimer::Button ? buttonTimerRunning_ : repeatTimerRunning_;
}
