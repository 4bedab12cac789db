// Fonts sized in points, as the settings give them, for the screen.
#pragma once

#include <windows.h>

#include <string>

// A normal-weight font of that face and size on the screen; the caller
// deletes it.
HFONT CreatePointFont(const std::string& face, int points);

// The text's width and the font's line height on the screen: no margin.
SIZE MeasureText(HFONT font, const std::string& text);
