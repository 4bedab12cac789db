// The on-screen display's settings and its text.
#include "display/OSDStyle.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/MemorySettings.h"
#include "core/Settings.h"
#include "display/OSDText.h"

namespace {

class OSDStyleTest : public ::testing::Test {
  protected:
    OSDStyleTest() { UseSettingsBackend(&settings); }
    ~OSDStyleTest() override { UseSettingsBackend(nullptr); }

    MemorySettings settings;
};

TEST_F(OSDStyleTest, ReadsEverySettingAtEachDisplay) {
    WriteSetting(setting::OSDTime, 0);
    WriteSetting(setting::BackColor, 0x00FF0000);
    WriteSetting(setting::FontName, "Arial");
    WriteSetting(setting::FontSize, 12);
    WriteSetting(setting::FontColor, 0x000000FF);
    WriteSetting(setting::OSDLoc, "Center");
    OSDStyle style = ReadOSDStyle();
    EXPECT_EQ(style.time, 0);
    EXPECT_EQ(style.backColor, 0xFF0000u);
    EXPECT_EQ(style.fontName, "Arial");
    EXPECT_EQ(style.fontSize, 12);
    EXPECT_EQ(style.fontColor, 0xFFu);
    EXPECT_EQ(style.location, "Center");

    WriteSetting(setting::OSDTime, 3000);
    EXPECT_EQ(ReadOSDStyle().time, 3000);
}

TEST_F(OSDStyleTest, AnEmptyFontNameOrPlaceReadsAsTheDefault) {
    WriteSetting(setting::FontName, "");
    WriteSetting(setting::OSDLoc, "");
    EXPECT_EQ(ReadOSDStyle().fontName, "Times New Roman");
    EXPECT_EQ(ReadOSDStyle().location, "Bottom right");
}

TEST(OSDTextOf, RunsToTheFirstZeroByteWithinTheFixedSize) {
    TOSDText text{};
    std::strcpy(text, "Volume up");
    EXPECT_EQ(OSDTextOf(text), "Volume up");

    TOSDText full;
    std::memset(full, 'x', sizeof full);
    full[65] = '\0';
    EXPECT_EQ(OSDTextOf(full), std::string(65, 'x'));
    // Without a zero byte the 66th byte is not read as text.
    full[65] = 'y';
    EXPECT_EQ(OSDTextOf(full), std::string(65, 'x'));

    EXPECT_EQ(OSDTextOf(nullptr), "");
}

}  // namespace
