#include "app/win/TfrmMonitor.h"

#include <cstring>
#include <iterator>
#include <vector>

#include "app/win/resource.h"
#include "core/Guarded.h"
#include "core/win/Dpi.h"
#include "core/win/PointFont.h"

namespace {
// At 96 DPI.
constexpr int kWidth = 640;
constexpr int kHeight = 320;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
// Column starts in dialog units: time, command, repeats, outcome.
constexpr int kTabStops[] = {60, 240, 264};

long long MillisecondsOfDay() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ((now.wHour * 60LL + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
}

void PutOnClipboard(HWND owner, const std::string& text) {
    if (text.empty() || !OpenClipboard(owner)) return;
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* copy = GlobalLock(memory)) {
            std::memcpy(copy, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
        }
        // The clipboard owns the memory once it took it.
        if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}
}  // namespace

TfrmMonitor::~TfrmMonitor() { Watch(false); }

void TfrmMonitor::Watch(bool on) {
    dispatcher_.SetMonitor(on ? this : nullptr);
    DRV_SetWatchProc(on ? TWatchProc{&TfrmMonitor::Heard, this} : TWatchProc{nullptr, nullptr});
}

void TfrmMonitor::Heard(void* context, const char* command, int repeatCount, int fate) {
    Guarded([&] {
        auto* self = static_cast<TfrmMonitor*>(context);
        const TIRCommandProc holder = DRV_GetIRCommandProc();
        const bool toDispatch =
            holder.Proc == self->dispatchCallback_.Proc && holder.Context == self->dispatchCallback_.Context;
        if (const auto outcome = ReceiverOutcome(fate, self->receiver_.Learning(), toDispatch))
            self->Dispatched({command, repeatCount, *outcome, ""});
    });
}

void TfrmMonitor::Open(HINSTANCE instance) {
    if (Handle()) {
        ShowWindow(Handle(), SW_RESTORE);
        SetForegroundWindow(Handle());
        return;
    }
    TWindowClass windowClass;
    windowClass.name = kClassName;
    windowClass.module = instance;
    windowClass.background = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAINICON));
    const UINT dpi = WindowDpi(nullptr);
    if (!Create(windowClass, WS_EX_CONTROLPARENT, "Receiver monitor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                CW_USEDEFAULT, ScaleForDpi(kWidth, dpi), ScaleForDpi(kHeight, dpi)))
        return;
    CreateControls(instance);
    Watch(true);
    ShowWindow(Handle(), SW_SHOWNORMAL);
}

void TfrmMonitor::CreateControls(HINSTANCE instance) {
    auto create = [&](const char* className, const char* text, DWORD style, int id) {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 10, 10,
                               Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                               nullptr);
    };
    list_ = create("LISTBOX", "",
                   WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS |
                       LBS_WANTKEYBOARDINPUT,
                   IDC_MONITOR_LIST);
    btnClear_ = create("BUTTON", "C&lear", BS_PUSHBUTTON, IDC_MONITOR_CLEAR);
    btnCopy_ = create("BUTTON", "&Copy", BS_PUSHBUTTON, IDC_MONITOR_COPY);
    font_.reset(CreateDialogFont(WindowDpi(Handle())));
    for (HWND control : {list_, btnClear_, btnCopy_})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageA(list_, LB_SETTABSTOPS, std::size(kTabStops), reinterpret_cast<LPARAM>(kTabStops));
    Layout();
}

void TfrmMonitor::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    const UINT dpi = WindowDpi(Handle());
    const int margin = ScaleForDpi(kMargin, dpi);
    const int buttonWidth = ScaleForDpi(kButtonWidth, dpi);
    const int buttonHeight = ScaleForDpi(kButtonHeight, dpi);
    const int buttonTop = client.bottom - margin - buttonHeight;
    MoveWindow(list_, margin, margin, client.right - 2 * margin, buttonTop - 2 * margin, TRUE);
    MoveWindow(btnClear_, margin, buttonTop, buttonWidth, buttonHeight, TRUE);
    MoveWindow(btnCopy_, 2 * margin + buttonWidth, buttonTop, buttonWidth, buttonHeight, TRUE);
}

bool TfrmMonitor::PreTranslate(MSG& message) {
    const HWND window = Handle();
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    return IsDialogMessageA(window, &message);
}

void TfrmMonitor::Dispatched(const DispatchReport& report) {
    if (lines_.Add(MonitorLineText(MillisecondsOfDay(), report))) SendMessageA(list_, LB_DELETESTRING, 0, 0);
    const LRESULT index =
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lines_.Lines().back().c_str()));
    // The newest line stays in view unless the user is reading selected ones.
    if (SendMessageA(list_, LB_GETSELCOUNT, 0, 0) == 0) SendMessageA(list_, LB_SETTOPINDEX, index, 0);
}

void TfrmMonitor::Clear() {
    lines_.Clear();
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
}

void TfrmMonitor::CopySelected() {
    const LRESULT count = SendMessageA(list_, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return;
    std::vector<int> selected(static_cast<std::size_t>(count));
    SendMessageA(list_, LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(selected.data()));
    PutOnClipboard(Handle(), lines_.Copy(selected));
}

LRESULT TfrmMonitor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (list_) Layout();
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_MONITOR_CLEAR:
                    Clear();
                    return 0;
                case IDC_MONITOR_COPY:
                    CopySelected();
                    return 0;
                case IDCANCEL:
                    DestroyWindow(Handle());
                    return 0;
            }
            break;
        case WM_VKEYTOITEM:
            if (GetKeyState(VK_CONTROL) < 0 && LOWORD(wParam) == 'C') {
                CopySelected();
                return -2;
            }
            if (GetKeyState(VK_CONTROL) < 0 && LOWORD(wParam) == 'A') {
                SendMessageA(list_, LB_SETSEL, TRUE, -1);
                return -2;
            }
            return -1;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TfrmMonitor::WindowDestroyed() {
    Watch(false);
    lines_.Clear();
    list_ = btnClear_ = btnCopy_ = nullptr;
}
