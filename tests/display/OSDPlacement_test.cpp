// Where the on-screen display goes on the screen.
#include "display/OSDPlacement.h"

#include <gtest/gtest.h>

namespace {

// A 1280 × 1024 screen with a 40-pixel taskbar at the bottom.
constexpr int kRight = 1280;
constexpr int kBottom = 984;

void ExpectAt(const OSDPosition& position, int left, int top) {
    EXPECT_EQ(position.left, left);
    EXPECT_EQ(position.top, top);
}

TEST(PlaceOSD, PutsTheDisplayAtEachPlaceOfTheWorkArea) {
    ExpectAt(PlaceOSD("Top left", 200, 30, kRight, kBottom), 0, 0);
    ExpectAt(PlaceOSD("Top right", 200, 30, kRight, kBottom), 1080, 0);
    ExpectAt(PlaceOSD("Bottom left", 200, 30, kRight, kBottom), 0, 954);
    ExpectAt(PlaceOSD("Bottom right", 200, 30, kRight, kBottom), 1080, 954);
    ExpectAt(PlaceOSD("Center", 200, 30, kRight, kBottom), 540, 477);
}

TEST(PlaceOSD, AnyOtherPlaceIsTheBottomRight) {
    ExpectAt(PlaceOSD("center", 200, 30, kRight, kBottom), 1080, 954);
    ExpectAt(PlaceOSD("Top Left", 200, 30, kRight, kBottom), 1080, 954);
    ExpectAt(PlaceOSD("", 200, 30, kRight, kBottom), 1080, 954);
}

TEST(PlaceOSD, UsesOnlyTheWorkAreasRightAndBottomEdges) {
    // A taskbar at the top leaves the work area from 40 down: top left is still the screen's corner.
    ExpectAt(PlaceOSD("Top left", 200, 30, 1280, 1024), 0, 0);
    ExpectAt(PlaceOSD("Bottom right", 200, 30, 1280, 1024), 1080, 994);
}

TEST(PlaceOSD, CentresWithHalvesRoundedToTheEvenPixel) {
    // (1280 - 201) / 2 = 539.5 → 540; (984 - 31) / 2 = 476.5 → 476.
    ExpectAt(PlaceOSD("Center", 201, 31, kRight, kBottom), 540, 476);
    // (1280 - 203) / 2 = 538.5 → 538; (984 - 29) / 2 = 477.5 → 478.
    ExpectAt(PlaceOSD("Center", 203, 29, kRight, kBottom), 538, 478);
}

TEST(PlaceOSD, ADisplayWiderThanTheScreenStartsLeftOfIt) {
    ExpectAt(PlaceOSD("Bottom right", 1500, 30, kRight, kBottom), -220, 954);
    // (1280 - 1503) / 2 = -111.5 → -112.
    ExpectAt(PlaceOSD("Center", 1503, 30, kRight, kBottom), -112, 477);
}

TEST(HalfRoundedToEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(HalfRoundedToEven(0), 0);
    EXPECT_EQ(HalfRoundedToEven(4), 2);
    EXPECT_EQ(HalfRoundedToEven(1), 0);
    EXPECT_EQ(HalfRoundedToEven(3), 2);
    EXPECT_EQ(HalfRoundedToEven(5), 2);
    EXPECT_EQ(HalfRoundedToEven(7), 4);
    EXPECT_EQ(HalfRoundedToEven(-1), 0);
    EXPECT_EQ(HalfRoundedToEven(-3), -2);
    EXPECT_EQ(HalfRoundedToEven(-5), -2);
    EXPECT_EQ(HalfRoundedToEven(-4), -2);
}

}  // namespace
