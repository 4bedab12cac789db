// The keys of the media-key plug-in: the parameter that a macro's command
// holds (mediakeys:NEXT), the name the plug-in's dialog shows, and the
// virtual key that is pressed.
#pragma once

#include <array>
#include <string_view>

struct MediaKey {
    std::string_view parameter;
    std::string_view caption;
    int virtualKey;
};

inline constexpr std::string_view kMediaKeysName = "Media keys";

inline constexpr std::array<MediaKey, 7> kMediaKeys{{
    {"PLAYPAUSE", "Play/pause", 0xB3},  // VK_MEDIA_PLAY_PAUSE
    {"NEXT", "Next track", 0xB0},       // VK_MEDIA_NEXT_TRACK
    {"PREVIOUS", "Previous track", 0xB1},
    {"STOP", "Stop", 0xB2},
    {"VOLUMEUP", "Volume up", 0xAF},
    {"VOLUMEDOWN", "Volume down", 0xAE},
    {"MUTE", "Mute", 0xAD},
}};

// The key of a command's parameter, letter case aside; null for none.
const MediaKey* FindMediaKey(std::string_view parameter);
