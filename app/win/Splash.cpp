#include "Splash.h"

#include "resource.h"

namespace {
constexpr int kSplashWidth = 320;
constexpr int kSplashHeight = 140;

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, "Version 1.0.0");
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
}  // namespace

TdlgSplash::TdlgSplash(HINSTANCE instance) : instance_(instance) {
    TWindowClass windowClass;
    windowClass.name = kClassName;
    windowClass.module = instance;
    windowClass.cursor = LoadCursor(nullptr, IDC_WAIT);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kSplashWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kSplashHeight) / 2;
    if (!Create(windowClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Tovanix", WS_POPUP, left, top, kSplashWidth,
                kSplashHeight))
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
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    HICON icon = static_cast<HICON>(LoadImageA(instance_, "MAINICON", IMAGE_ICON, 64, 64, 0));
    DrawIconEx(dc, 24, (client.bottom - 64) / 2, icon, 64, 64, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    HFONT title = CreateFontA(36, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ previous = SelectObject(dc, title);
    SetBkMode(dc, TRANSPARENT);
    RECT text{104, 30, client.right - 12, 80};
    DrawTextA(dc, "Tovanix", -1, &text, DT_LEFT | DT_SINGLELINE);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT line{106, 82, client.right - 12, 110};
    DrawTextA(dc, "Your remote control as keyboard, mouse and launcher", -1, &line, DT_LEFT | DT_WORDBREAK);
    SelectObject(dc, previous);
    DeleteObject(title);
    EndPaint(Handle(), &paint);
}

void ShowAboutBox(HINSTANCE instance, HWND owner) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProcedure, 0);
}
