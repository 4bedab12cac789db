#include "app/win/Splash.h"

#include "app/win/resource.h"
#include "core/win/Dialog.h"
#include "core/win/PointFont.h"
#include "core/win/Scoped.h"

namespace {
// Sizes at 96 DPI.
constexpr int kSplashWidth = 320;
constexpr int kSplashHeight = 140;
constexpr int kIconSize = 64;

class TdlgAbout : public TDialog {
    void FormCreate() override { SetControlText(IDC_ABOUT_VERSION, "Version " TOVANIX_VERSION); }
};
}  // namespace

TdlgSplash::TdlgSplash(HINSTANCE instance) : instance_(instance) {
    TWindowClass windowClass;
    windowClass.name = kClassName;
    windowClass.module = instance;
    windowClass.cursor = LoadCursor(nullptr, IDC_WAIT);
    const UINT dpi = WindowDpi(nullptr);
    const int width = ScaleForDpi(kSplashWidth, dpi);
    const int height = ScaleForDpi(kSplashHeight, dpi);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (!Create(windowClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Tovanix", WS_POPUP, left, top, width, height))
        return;
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(Handle());
}

LRESULT TdlgSplash::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return TWindow::HandleMessage(message, wParam, lParam);
    Paint();
    return 0;
}

void TdlgSplash::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    const UINT dpi = WindowDpi(Handle());
    auto scaled = [dpi](int pixels) { return ScaleForDpi(pixels, dpi); };
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    const int iconSize = scaled(kIconSize);
    const UniqueIcon icon(
        static_cast<HICON>(LoadImageA(instance_, "MAINICON", IMAGE_ICON, iconSize, iconSize, 0)));
    DrawIconEx(dc, scaled(24), (client.bottom - iconSize) / 2, icon.get(), iconSize, iconSize, 0, nullptr,
               DI_NORMAL);
    const UniqueFont title(
        CreateFontA(scaled(36), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    const UniqueFont body(CreateDialogFont(dpi));
    SetBkMode(dc, TRANSPARENT);
    {
        const SelectedObject selected(dc, title.get());
        RECT text{scaled(104), scaled(30), client.right - scaled(12), scaled(80)};
        DrawTextA(dc, "Tovanix", -1, &text, DT_LEFT | DT_SINGLELINE);
    }
    {
        const SelectedObject selected(dc, body.get());
        RECT line{scaled(106), scaled(82), client.right - scaled(12), scaled(110)};
        DrawTextA(dc, "Your remote control as keyboard, mouse and launcher", -1, &line,
                  DT_LEFT | DT_WORDBREAK);
    }
    EndPaint(Handle(), &paint);
}

void ShowAboutBox(HINSTANCE instance, HWND owner) { TdlgAbout().ShowModal(instance, IDD_ABOUT, owner); }
