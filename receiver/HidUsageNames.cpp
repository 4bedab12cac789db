#include "receiver/HidUsageNames.h"

#include <cstdio>
#include <string_view>

namespace {

struct Named {
    std::uint16_t code;
    std::string_view name;
};

// The consumer page's buttons that remotes and multimedia keyboards send.
constexpr Named kConsumerNames[] = {
    {0x30, "POWER"},
    {0x32, "SLEEP"},
    {0x40, "MENU"},
    {0x41, "MENU_PICK"},
    {0x42, "MENU_UP"},
    {0x43, "MENU_DOWN"},
    {0x44, "MENU_LEFT"},
    {0x45, "MENU_RIGHT"},
    {0x46, "MENU_ESCAPE"},
    {0x60, "ON_SCREEN"},
    {0x61, "SUBTITLES"},
    {0x69, "RED"},
    {0x6A, "GREEN"},
    {0x6B, "BLUE"},
    {0x6C, "YELLOW"},
    {0x6F, "BRIGHTNESS_UP"},
    {0x70, "BRIGHTNESS_DOWN"},
    {0x83, "RECALL_LAST"},
    {0x88, "MEDIA_COMPUTER"},
    {0x89, "MEDIA_TV"},
    {0x8A, "MEDIA_WWW"},
    {0x8B, "MEDIA_DVD"},
    {0x8D, "PROGRAM_GUIDE"},
    {0x8F, "MEDIA_GAMES"},
    {0x91, "MEDIA_CD"},
    {0x92, "MEDIA_VCR"},
    {0x93, "MEDIA_TUNER"},
    {0x94, "QUIT"},
    {0x95, "HELP"},
    {0x9A, "MEDIA_HOME"},
    {0x9C, "CHANNEL_UP"},
    {0x9D, "CHANNEL_DOWN"},
    {0xB0, "PLAY"},
    {0xB1, "PAUSE"},
    {0xB2, "RECORD"},
    {0xB3, "FAST_FORWARD"},
    {0xB4, "REWIND"},
    {0xB5, "NEXT_TRACK"},
    {0xB6, "PREVIOUS_TRACK"},
    {0xB7, "STOP"},
    {0xB8, "EJECT"},
    {0xB9, "SHUFFLE"},
    {0xBC, "REPEAT"},
    {0xCD, "PLAY_PAUSE"},
    {0xE2, "MUTE"},
    {0xE9, "VOLUME_UP"},
    {0xEA, "VOLUME_DOWN"},
    {0x183, "MEDIA_PLAYER"},
    {0x18A, "MAIL"},
    {0x192, "CALCULATOR"},
    {0x194, "MY_COMPUTER"},
    {0x196, "BROWSER"},
    {0x209, "DETAILS"},
    {0x221, "SEARCH"},
    {0x223, "HOME"},
    {0x224, "BACK"},
    {0x225, "FORWARD"},
    {0x226, "WEB_STOP"},
    {0x227, "REFRESH"},
    {0x22A, "FAVORITES"},
    {0x22D, "ZOOM_IN"},
    {0x22E, "ZOOM_OUT"},
};

// The Media Center remote's own buttons, which Windows gives only as raw input.
constexpr Named kMediaCenterNames[] = {
    {0x0D, "START"},        {0x24, "DVD_MENU"},  {0x25, "LIVE_TV"},   {0x26, "GUIDE"},
    {0x27, "ASPECT"},       {0x46, "MY_TV"},     {0x47, "MY_MUSIC"},  {0x48, "RECORDED_TV"},
    {0x49, "MY_PICTURES"},  {0x4A, "MY_VIDEOS"}, {0x4B, "DVD_ANGLE"}, {0x4C, "DVD_AUDIO"},
    {0x4D, "DVD_SUBTITLE"}, {0x50, "RADIO"},     {0x5A, "TELETEXT"},  {0x5B, "RED"},
    {0x5C, "GREEN"},        {0x5D, "YELLOW"},    {0x5E, "BLUE"},      {0x80, "OEM1"},
    {0x81, "OEM2"},
};

// System control of the generic desktop page.
constexpr Named kSystemNames[] = {{0x81, "POWER"}, {0x82, "SLEEP"}, {0x83, "WAKE"}};

constexpr Named kKeyNames[] = {
    {0x08, "BACKSPACE"},
    {0x09, "TAB"},
    {0x0D, "ENTER"},
    {0x10, "SHIFT"},
    {0x11, "CTRL"},
    {0x12, "ALT"},
    {0x13, "PAUSE"},
    {0x14, "CAPS_LOCK"},
    {0x1B, "ESC"},
    {0x20, "SPACE"},
    {0x21, "PAGE_UP"},
    {0x22, "PAGE_DOWN"},
    {0x23, "END"},
    {0x24, "HOME"},
    {0x25, "LEFT"},
    {0x26, "UP"},
    {0x27, "RIGHT"},
    {0x28, "DOWN"},
    {0x2C, "PRINT"},
    {0x2D, "INSERT"},
    {0x2E, "DELETE"},
    {0x5B, "LWIN"},
    {0x5C, "RWIN"},
    {0x5D, "APPS"},
    {0x5F, "SLEEP"},
    {0x6A, "MULTIPLY"},
    {0x6B, "ADD"},
    {0x6D, "SUBTRACT"},
    {0x6E, "DECIMAL"},
    {0x6F, "DIVIDE"},
    {0x90, "NUM_LOCK"},
    {0x91, "SCROLL_LOCK"},
    {0xA6, "BROWSER_BACK"},
    {0xA7, "BROWSER_FORWARD"},
    {0xA8, "BROWSER_REFRESH"},
    {0xAC, "BROWSER_HOME"},
    {0xAD, "MUTE"},
    {0xAE, "VOLUME_DOWN"},
    {0xAF, "VOLUME_UP"},
    {0xB0, "NEXT_TRACK"},
    {0xB1, "PREVIOUS_TRACK"},
    {0xB2, "STOP"},
    {0xB3, "PLAY_PAUSE"},
    {0xB4, "MAIL"},
};

template <std::size_t N>
std::string_view Find(const Named (&table)[N], unsigned code) {
    for (const Named& entry : table)
        if (entry.code == code) return entry.name;
    return {};
}

std::string Hex(unsigned value, const char* format) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string HidButtonCommand(std::uint16_t page, std::uint16_t usage) {
    std::string_view name;
    std::string_view remote = "HID.";
    if (page == hid_page::kConsumer) name = Find(kConsumerNames, usage);
    if (page == hid_page::kGenericDesktop) name = Find(kSystemNames, usage);
    if (page == hid_page::kMediaCenter) {
        name = Find(kMediaCenterNames, usage);
        if (!name.empty()) remote = "MCE.";
    }
    if (name.empty()) return "HID." + Hex(page, "%X") + "." + Hex(usage, "%X");
    return std::string(remote) + std::string(name);
}

std::string KeyboardCommand(unsigned virtualKey) {
    std::string name(Find(kKeyNames, virtualKey));
    if (virtualKey >= '0' && virtualKey <= '9') name = std::string(1, static_cast<char>(virtualKey));
    if (virtualKey >= 'A' && virtualKey <= 'Z') name = std::string(1, static_cast<char>(virtualKey));
    if (virtualKey >= 0x60 && virtualKey <= 0x69) name = "NUM" + std::to_string(virtualKey - 0x60);
    if (virtualKey >= 0x70 && virtualKey <= 0x87) name = "F" + std::to_string(virtualKey - 0x6F);
    if (name.empty()) name = "VK_" + Hex(virtualKey & 0xFF, "%02X");
    return "KBD." + name;
}
