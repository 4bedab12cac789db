// How the on-screen display looks, lasts and where it goes, from the
// settings. Read at every display, so a changed setting shows at the next.
#pragma once

#include <cstdint>
#include <string>

struct OSDStyle {
    int32_t time;        // milliseconds on screen; 0: stays until the program ends
    uint32_t backColor;  // 0x00BBGGRR
    std::string fontName;
    int32_t fontSize;      // points
    uint32_t fontColor;    // 0x00BBGGRR
    std::string location;  // "Center", "Top left", "Top right", "Bottom left", "Bottom right"
};

OSDStyle ReadOSDStyle();
