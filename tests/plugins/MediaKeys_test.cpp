#include "MediaKeys.h"

#include <gtest/gtest.h>

namespace {

TEST(MediaKeys, ParametersNameTheirKeysWhateverTheirCase) {
    const struct {
        const char* parameter;
        int virtualKey;  // 0: none
    } cases[] = {
        {"PLAYPAUSE", 0xB3}, {"next", 0xB0},       {"Previous", 0xB1}, {"STOP", 0xB2},
        {"VOLUMEUP", 0xAF},  {"VOLUMEDOWN", 0xAE}, {"MUTE", 0xAD},     {"", 0},
        {"NEXT ", 0},        {"PLAY", 0},
    };
    for (const auto& c : cases) {
        const MediaKey* key = FindMediaKey(c.parameter);
        EXPECT_EQ(key ? key->virtualKey : 0, c.virtualKey) << c.parameter;
    }
}

}  // namespace
