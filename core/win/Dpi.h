// Pixel sizes for the DPI a window is shown at. The programs are per-monitor
// DPI aware (their manifest says so), so Windows does not stretch their
// windows: sizes written for 96 DPI are scaled here for the window's monitor.
#pragma once

#include <windows.h>

constexpr UINT kDefaultDpi = 96;

// The DPI of the window's monitor (GetDpiForWindow where Windows has it,
// from Windows 10 1607); the screen's DPI for no window or on older Windows.
UINT WindowDpi(HWND window);

// A size given for 96 DPI, at that DPI.
int ScaleForDpi(int pixels, UINT dpi);
