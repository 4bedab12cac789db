#include "display/win/TdlgOSD.h"

#include <memory>

#include "core/win/PointFont.h"
#include "core/win/ThisModule.h"
#include "display/win/DisplayScreens.h"

TdlgOSD::TdlgOSD(const std::string& text, const OSDStyle& style)
    : text_(text),
      font_(CreatePointFont(style.fontName, style.fontSize)),
      textColor_(style.fontColor),
      backColor_(style.backColor) {}

void TdlgOSD::Show(const std::string& text, const OSDStyle& style, HWND target) {
    auto osd = std::unique_ptr<TdlgOSD>(new TdlgOSD(text, style));
    const SIZE size = MeasureText(osd->font_.get(), text);
    const OSDPosition position =
        PlaceOSDOnScreen(style.location, size.cx, size.cy, ReadDisplayScreens(target));

    TWindowClass windowClass;
    windowClass.name = kClassName;
    // Off the taskbar, above normal windows, and never activated, not even by a click.
    const TdlgOSD* display =
        CreateOwned(std::move(osd), windowClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                    text.c_str(), WS_POPUP, position.left, position.top, size.cx, size.cy);
    if (!display) return;
    const HWND window = display->Handle();
    if (style.time > 0) SetTimer(window, kTimer1, static_cast<UINT>(style.time), nullptr);
    ShowWindow(window, SW_SHOWNA);
    // Drawn now: the caller may keep its message loop busy with a macro.
    UpdateWindow(window);
}

void TdlgOSD::UnregisterClass() { ::UnregisterClassA(kClassName, ThisModule()); }

void TdlgOSD::Paint() const {
    const PaintDC paint(Handle());
    const HDC dc = paint.get();
    RECT client;
    GetClientRect(Handle(), &client);
    const SelectedObject font(dc, font_.get());
    SetTextColor(dc, textColor_);
    SetBkColor(dc, backColor_);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, text_.c_str(), static_cast<UINT>(text_.size()), nullptr);
}

LRESULT TdlgOSD::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            // The first tick ends the display.
            if (wParam != kTimer1) break;
            KillTimer(Handle(), kTimer1);
            DestroyWindow(Handle());
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT:
            Paint();
            return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
