#include "display/win/TdlgOSD.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

#include "core/win/PointFont.h"
#include "core/win/ThisModule.h"
#include "display/win/DisplayScreens.h"

namespace {
// The hidden displays, newest last. Not thread-local: a thread-local object
// with a destructor would keep the library loaded.
std::mutex sparesLock;
std::vector<TdlgOSD*> spares;
}  // namespace

TdlgOSD* TdlgOSD::TakeSpare() {
    const std::lock_guard lock(sparesLock);
    const DWORD thread = GetCurrentThreadId();
    const auto found = std::find_if(spares.rbegin(), spares.rend(), [&](const TdlgOSD* display) {
        return GetWindowThreadProcessId(display->Handle(), nullptr) == thread;
    });
    if (found == spares.rend()) return nullptr;
    TdlgOSD* display = *found;
    spares.erase(std::next(found).base());
    return display;
}

void TdlgOSD::SetLook(const std::string& text, UniqueFont font, const OSDStyle& style) {
    text_ = text;
    font_ = std::move(font);
    textColor_ = style.fontColor;
    backColor_ = style.backColor;
}

void TdlgOSD::Show(const std::string& text, const OSDStyle& style, HWND target) {
    UniqueFont font(CreatePointFont(style.fontName, style.fontSize));
    const SIZE size = MeasureText(font.get(), text);
    const OSDPosition position =
        PlaceOSDOnScreen(style.location, size.cx, size.cy, ReadDisplayScreens(target));

    TdlgOSD* display = TakeSpare();
    if (display) {
        display->SetLook(text, std::move(font), style);
        SetWindowTextA(display->Handle(), text.c_str());
        // Above the other topmost windows, as a new one would be.
        SetWindowPos(display->Handle(), HWND_TOPMOST, position.left, position.top, size.cx, size.cy,
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
        auto osd = std::unique_ptr<TdlgOSD>(new TdlgOSD);
        osd->SetLook(text, std::move(font), style);
        TWindowClass windowClass;
        windowClass.name = kClassName;
        // Off the taskbar, above normal windows, and never activated, not even by a click.
        display =
            CreateOwned(std::move(osd), windowClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                        text.c_str(), WS_POPUP, position.left, position.top, size.cx, size.cy);
        if (!display) return;
        ShowWindow(display->Handle(), SW_SHOWNA);
    }
    const HWND window = display->Handle();
    if (style.time > 0) SetTimer(window, kTimer1, static_cast<UINT>(style.time), nullptr);
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

void TdlgOSD::WindowDestroyed() {
    spares.erase(std::remove(spares.begin(), spares.end(), this), spares.end());
}

LRESULT TdlgOSD::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            // The first tick ends the display.
            if (wParam != kTimer1) break;
            KillTimer(Handle(), kTimer1);
            ShowWindow(Handle(), SW_HIDE);
            {
                const std::lock_guard lock(sparesLock);
                spares.push_back(this);
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT:
            Paint();
            return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
