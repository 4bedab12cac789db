#include "app/cmdfile/CommandFileKeys.h"

#include <array>

namespace {

// In the order of the Key enumeration.
constexpr std::array<std::string_view, kKeyCount> kKeyTexts = {
    "ID:",         "NAME:",        "PATH:",          "IRCOMMAND:",  "COMMANDS:",
    "PARAMETERS:", "CLASS:",       "APPID:",         "MACROID:",    "DISABLED:",
    "DEACTIVATE:", "LEAVEWINDOW:", "CURRENTWINDOW:", "TARGETFILE:", "TARGETCAPTION:",
    "DONTFOCUS:",  "OSD:",         "SELECT:",        "LOOP:",       "HIDDEN:",
};

}  // namespace

std::string_view KeyText(Key key) { return kKeyTexts[static_cast<std::size_t>(key)]; }

std::optional<Key> FindKey(std::string_view text) {
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        if (kKeyTexts[i] == text) return static_cast<Key>(i);
    }
    return std::nullopt;
}
