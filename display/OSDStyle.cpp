#include "display/OSDStyle.h"

#include "core/Settings.h"

OSDStyle ReadOSDStyle() {
    return OSDStyle{ReadSetting(setting::OSDTime),
                    static_cast<uint32_t>(ReadSetting(setting::BackColor)),
                    ReadSetting(setting::FontName),
                    ReadSetting(setting::FontSize),
                    static_cast<uint32_t>(ReadSetting(setting::FontColor)),
                    ReadSetting(setting::OSDLoc)};
}
