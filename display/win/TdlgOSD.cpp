#include "TdlgOSD.h"

#include <memory>

#include "OSDPlacement.h"
#include "ThisModule.h"

namespace {

void RegisterOnce(WNDPROC procedure) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExA(ThisModule(), TdlgOSD::kClassName, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = TdlgOSD::kClassName;
    RegisterClassExA(&windowClass);
}

HFONT CreateOSDFont(const OSDStyle& style) {
    const HDC screen = GetDC(nullptr);
    const int height = -MulDiv(style.fontSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       style.fontName.c_str());
}

// The text's width and its line height in the font: no margin.
SIZE MeasureText(HFONT font, const std::string& text) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    size.cy = metrics.tmHeight;
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return size;
}

}  // namespace

TdlgOSD::TdlgOSD(const std::string& text, const OSDStyle& style)
    : text_(text), font_(CreateOSDFont(style)), textColor_(style.fontColor), backColor_(style.backColor) {}

TdlgOSD::~TdlgOSD() { DeleteObject(font_); }

void TdlgOSD::Show(const std::string& text, const OSDStyle& style) {
    RegisterOnce(WindowProc);
    auto osd = std::unique_ptr<TdlgOSD>(new TdlgOSD(text, style));
    const SIZE size = MeasureText(osd->font_, text);
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const OSDPosition position = PlaceOSD(style.location, size.cx, size.cy, workArea.right, workArea.bottom);

    // Off the taskbar, above normal windows, and never activated, not even by a click.
    const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName,
                                        text.c_str(), WS_POPUP, position.left, position.top, size.cx, size.cy,
                                        nullptr, nullptr, ThisModule(), nullptr);
    if (!window) return;
    // From here the window owns the display and deletes it when destroyed.
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(osd.release()));
    if (style.time > 0) SetTimer(window, kTimer1, static_cast<UINT>(style.time), nullptr);
    ShowWindow(window, SW_SHOWNA);
    // Drawn now: the caller may keep its message loop busy with a macro.
    UpdateWindow(window);
}

void TdlgOSD::UnregisterClass() { ::UnregisterClassA(kClassName, ThisModule()); }

void TdlgOSD::Paint(HWND window) const {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const HGDIOBJ previous = SelectObject(dc, font_);
    SetTextColor(dc, textColor_);
    SetBkColor(dc, backColor_);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, text_.c_str(), static_cast<UINT>(text_.size()), nullptr);
    SelectObject(dc, previous);
    EndPaint(window, &paint);
}

LRESULT CALLBACK TdlgOSD::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* osd = reinterpret_cast<const TdlgOSD*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_TIMER:
            // The first tick ends the display.
            if (wParam != kTimer1) break;
            KillTimer(window, kTimer1);
            DestroyWindow(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT:
            if (!osd) break;
            osd->Paint(window);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            delete osd;
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
