#include "display/win/TdlgOSD.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

#include "core/win/PointFont.h"
#include "core/win/ThisModule.h"
#include "display/win/DisplayScreens.h"

namespace {
// Every display window, hidden ones too. Not thread-local: a thread-local
// object with a destructor would keep the library loaded.
std::mutex displaysLock;
std::vector<TdlgOSD*> displays;
}  // namespace

bool TdlgOSD::Look::operator==(const Look& other) const {
    return text == other.text && fontName == other.fontName && fontSize == other.fontSize &&
           fontColor == other.fontColor && backColor == other.backColor && left == other.left &&
           top == other.top && width == other.width && height == other.height;
}

TdlgOSD::TdlgOSD() {
    const std::lock_guard lock(displaysLock);
    displays.push_back(this);
}

TdlgOSD::~TdlgOSD() {
    const std::lock_guard lock(displaysLock);
    displays.erase(std::remove(displays.begin(), displays.end(), this), displays.end());
}

TdlgOSD* TdlgOSD::Reusable(const Look& look) {
    const std::lock_guard lock(displaysLock);
    const DWORD thread = GetCurrentThreadId();
    TdlgOSD* hidden = nullptr;
    for (TdlgOSD* display : displays) {
        const HWND window = display->Handle();
        if (!window || GetWindowThreadProcessId(window, nullptr) != thread) continue;
        if (!IsWindowVisible(window))
            hidden = display;
        else if (display->look_ == look)
            return display;
    }
    return hidden;
}

void TdlgOSD::Show(const std::string& text, const OSDStyle& style, HWND target) {
    UniqueFont font(CreatePointFont(style.fontName, style.fontSize));
    const SIZE size = MeasureText(font.get(), text);
    const OSDPosition position =
        PlaceOSDOnScreen(style.location, size.cx, size.cy, ReadDisplayScreens(target));
    const Look look{text,          style.fontName, style.fontSize, style.fontColor, style.backColor,
                    position.left, position.top,   size.cx,        size.cy};

    TdlgOSD* display = Reusable(look);
    if (!display) {
        auto osd = std::unique_ptr<TdlgOSD>(new TdlgOSD);
        osd->look_ = look;
        osd->font_ = std::move(font);
        TWindowClass windowClass;
        windowClass.name = kClassName;
        // Off the taskbar, above normal windows, and never activated, not even by a click.
        display =
            CreateOwned(std::move(osd), windowClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                        text.c_str(), WS_POPUP, position.left, position.top, size.cx, size.cy);
        if (!display) return;
        ShowWindow(display->Handle(), SW_SHOWNA);
    } else if (IsWindowVisible(display->Handle())) {
        // Above the other topmost windows, as a new one would be.
        SetWindowPos(display->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        // The same text again needs no new caption.
        if (display->look_.text != text) SetWindowTextA(display->Handle(), text.c_str());
        display->look_ = look;
        display->font_ = std::move(font);
        SetWindowPos(display->Handle(), HWND_TOPMOST, position.left, position.top, size.cx, size.cy,
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    const HWND window = display->Handle();
    if (style.time > 0)
        SetTimer(window, kTimer1, static_cast<UINT>(style.time), nullptr);
    else
        KillTimer(window, kTimer1);
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
    SetTextColor(dc, look_.fontColor);
    SetBkColor(dc, look_.backColor);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, look_.text.c_str(), static_cast<UINT>(look_.text.size()),
                nullptr);
}

LRESULT TdlgOSD::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            // The first tick ends the display.
            if (wParam != kTimer1) break;
            KillTimer(Handle(), kTimer1);
            ShowWindow(Handle(), SW_HIDE);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT:
            Paint();
            return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
