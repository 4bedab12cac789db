// Which screen's work area the display library opens on, and where the display and the panel go there.
#include "display/ScreenChoice.h"

#include <gtest/gtest.h>

namespace {

// The main screen with a taskbar at the left, and a second screen left of and above it.
const ScreenArea kMain{60, 0, 1280, 1024};
const ScreenArea kLeftScreen{-1920, -100, 0, 980};
constexpr int kFront = static_cast<int>(OSDScreen::Front);
constexpr int kMainScreen = static_cast<int>(OSDScreen::Main);

TEST(ScreenChoice, PlacesTheDisplayOnTheChosenScreen) {
    const struct {
        int osdScreen;
        std::optional<ScreenArea> front;
        const char* location;
        int left, top;
    } rows[] = {
        // The main screen keeps the screen's 0 for the top and left places.
        {kMainScreen, kLeftScreen, "Top left", 0, 0},
        {kMainScreen, kLeftScreen, "Bottom right", 1080, 994},
        // The front window's screen: its own edges, also left of and above the main one.
        {kFront, kLeftScreen, "Top left", -1920, -100},
        {kFront, kLeftScreen, "Bottom right", -200, 950},
        {kFront, kLeftScreen, "Center", -1060, 425},
    };
    for (const auto& row : rows) {
        const OSDPosition at = PlaceOSDOnScreen(row.location, 200, 30, {row.osdScreen, kMain, row.front});
        EXPECT_EQ(std::make_pair(at.left, at.top), std::make_pair(row.left, row.top)) << row.location;
    }
}

TEST(ScreenChoice, OpensAnUnplacedPanelOnTheChosenScreenAndAPlacedOneWhereItWas) {
    const struct {
        int osdScreen;
        std::optional<ScreenArea> front;
        bool placed;
        PanelBox expected;
    } rows[] = {
        // Wholly left of the main work area: back against its edge, as always.
        {kMainScreen, kLeftScreen, false, {60, 0, 40, 90}},
        {kFront, std::nullopt, false, {60, 0, 40, 90}},
        {kFront, kLeftScreen, false, {-1920, -100, 40, 90}},
        {kFront, kLeftScreen, true, {60, 0, 40, 90}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PlacePanelOnScreen({0, 0, 40, 90}, row.placed, {row.osdScreen, kMain, row.front}),
                  row.expected)
            << row.osdScreen << " " << row.placed;
}

}  // namespace
