// Fonts sized in points, as the settings give them, for the screen.
#pragma once

#include <windows.h>

#include <string>

#include "core/win/Dpi.h"

// The character height in pixels of a font of that many points.
int PointsToPixels(int points, UINT dpi);

// A normal-weight font of that face and size at that DPI (the screen's by
// default); the caller deletes it.
HFONT CreatePointFont(const std::string& face, int points, UINT dpi = WindowDpi(nullptr));

// The font of the dialog templates (8-point "MS Shell Dlg") at that DPI, for
// windows that lay out their own controls; the caller deletes it.
HFONT CreateDialogFont(UINT dpi);

// The text's width and the font's line height on the screen: no margin.
SIZE MeasureText(HFONT font, const std::string& text);
