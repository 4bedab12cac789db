#include "display/win/TdlgChoose.h"

#include <algorithm>

#include "core/HoldMark.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/win/PendingMessages.h"
#include "core/win/PointFont.h"
#include "core/win/ThisModule.h"
#include "display/win/DisplayScreens.h"
#include "receiver/tovdrv.h"
#include "store/tovdata.h"

namespace {

// The selected entry's colour.
constexpr COLORREF kSelectedColor = RGB(255, 0, 0);

bool operator==(const TIRCommandProc& a, const TIRCommandProc& b) {
    return a.Proc == b.Proc && a.Context == b.Context;
}

}  // namespace

TdlgChoose::TdlgChoose(TMacroRecord* macro, TExecuteProc execute, TIRCommandProc previous)
    : execute_(execute),
      previous_(previous),
      entries_(ChooserEntries(FieldText(macro->Commands))),
      state_(entries_.size(), ChooserLimit(ReadSetting(setting::CmdTime))),
      location_(ReadSetting(setting::CmdLoc)),
      screens_(ReadDisplayScreens()),
      font_(CreatePointFont(ReadSetting(setting::CmdFontName), ReadSetting(setting::CmdFontSize))),
      backColor_(static_cast<COLORREF>(ReadSetting(setting::CmdBackColor))) {
    CopyItemID(macroID_, macro->ID);
}

TdlgChoose::~TdlgChoose() { *alive_ = false; }

void TdlgChoose::Show(TMacroRecord* macro, TExecuteProc execute, TIRCommandProc previous) {
    if (!macro) return;
    TWindowClass windowClass;
    windowClass.name = kClassName;
    TdlgChoose* self = CreateOwned(std::unique_ptr<TdlgChoose>(new TdlgChoose(macro, execute, previous)),
                                   windowClass, WS_EX_TOOLWINDOW, "", WS_POPUP, 0, 0, 0, 0);
    if (!self) return;
    SetTimer(self->Handle(), kTimer1, kChooserTickMs, nullptr);
    DRV_SetIRCommandProc(TIRCommandProc{&TdlgChoose::ReceiveIRCommand, self});
    self->Redraw();
    ShowWindow(self->Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(self->Handle());
}

void TdlgChoose::UnregisterClass() { ::UnregisterClassA(kClassName, ThisModule()); }

void TdlgChoose::ReceiveIRCommand(void* context, const char* command) {
    // Called from the driver's window procedure: nothing may get back there.
    try {
        auto* self = static_cast<TdlgChoose*>(context);
        // The receiver's marks of a held button are no presses.
        const std::string received(FixedText(command, sizeof(TIRCommand)));
        if (self->executed_ || SplitHoldMark(received).mark != HoldMark::None) return;
        self->state_.Received();
        self->Redraw();
    } catch (...) {
    }
}

void TdlgChoose::Timer1Timer() {
    if (inTick_ || executed_) return;
    const std::shared_ptr<bool> alive = alive_;
    inTick_ = true;
    // A button that arrived meanwhile moves the selection before the
    // silence is counted.
    ProcessPendingMessages();
    if (!*alive) return;
    inTick_ = false;
    const ChooserStep step = state_.Tick();
    if (step == ChooserStep::Redraw) Redraw();
    if (step != ChooserStep::Execute) return;

    executed_ = true;
    KillTimer(Handle(), kTimer1);
    ShowWindow(Handle(), SW_HIDE);
    GiveReceiverBack();
    // An empty list runs index 0, which is no command.
    const int selected = state_.Selected();
    const int command = selected < static_cast<int>(entries_.size()) ? entries_[selected].command : 0;
    TMacroRecord* macro = getMacro(macroID_);
    if (execute_.Proc && macro) execute_.Proc(execute_.Context, macro, true, command);
    if (*alive) DestroyWindow(Handle());
}

void TdlgChoose::WindowDestroyed() {
    if (!executed_) GiveReceiverBack();
    executed_ = true;
}

// A dialog that took the receiver meanwhile (learning) keeps it, and gives
// it back itself when it ends.
void TdlgChoose::GiveReceiverBack() {
    if (DRV_GetIRCommandProc() == TIRCommandProc{&TdlgChoose::ReceiveIRCommand, this})
        DRV_SetIRCommandProc(previous_);
}

void TdlgChoose::Redraw() {
    int width = 0;
    int height = 0;
    for (const ChooserEntry& entry : entries_) {
        const SIZE size = MeasureText(font_.get(), entry.text);
        width = std::max<int>(width, size.cx);
        height += size.cy;
    }
    const OSDPosition position = PlaceOSDOnScreen(location_, width, height, screens_);
    SetWindowPos(Handle(), HWND_TOPMOST, position.left, position.top, width, height, SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
    // Drawn now: the selection must show also while the thread is busy.
    UpdateWindow(Handle());
}

void TdlgChoose::Paint() const {
    const PaintDC paint(Handle());
    const HDC dc = paint.get();
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, UniqueBrush(CreateSolidBrush(backColor_)).get());
    const SelectedObject font(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    const auto fontColor = static_cast<COLORREF>(ReadSetting(setting::CmdFontColor));
    int y = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string& text = entries_[i].text;
        SetTextColor(dc, static_cast<int>(i) == state_.Selected() ? kSelectedColor : fontColor);
        TextOutA(dc, 0, y, text.c_str(), static_cast<int>(text.size()));
        y += MeasureText(font_.get(), text).cy;
    }
}

LRESULT TdlgChoose::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam != kTimer1) break;
            Timer1Timer();
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT:
            Paint();
            return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
