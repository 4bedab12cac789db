#include "display/PanelGeometry.h"

#include <gtest/gtest.h>

namespace {

using Shape = PointerShape;

TEST(PanelGeometry, TheEdgeUnderThePointerOfAButton) {
    const struct {
        int x, y;
        int zone;
        Shape shape;
    } cases[] = {
        {1, 1, 1, Shape::SizeWE},    {0, 10, 1, Shape::SizeWE},  {2, 1, 2, Shape::SizeNS},
        {19, 0, 2, Shape::SizeNS},   {19, 10, 3, Shape::SizeWE}, {19, 19, 3, Shape::SizeWE},
        {18, 19, 4, Shape::SizeNS},  {2, 2, 0, Shape::Default},  {18, 18, 0, Shape::Default},
        {10, 10, 0, Shape::Default},
    };
    for (const auto& c : cases) {
        const int zone = ButtonZone(c.x, c.y, 20, 20);
        EXPECT_EQ(zone, c.zone) << c.x << "," << c.y;
        EXPECT_EQ(ButtonZoneShape(zone), c.shape) << c.x << "," << c.y;
    }
}

TEST(PanelGeometry, TheEdgeOrCornerUnderThePointerOfTheBackground) {
    const struct {
        int x, y;
        int zone;
        Shape shape;
    } cases[] = {
        {5, 5, 0, Shape::Default},    {35, 85, 0, Shape::Default}, {20, 40, 0, Shape::Default},
        {9, 4, 2, Shape::SizeNWSE},   {4, 9, 2, Shape::SizeNWSE},  {31, 86, 6, Shape::SizeNWSE},
        {36, 81, 6, Shape::SizeNWSE}, {31, 4, 4, Shape::SizeNESW}, {36, 9, 4, Shape::SizeNESW},
        {4, 81, 8, Shape::SizeNESW},  {9, 86, 8, Shape::SizeNESW}, {4, 10, 1, Shape::SizeWE},
        {4, 80, 1, Shape::SizeWE},    {10, 4, 3, Shape::SizeNS},   {30, 4, 3, Shape::SizeNS},
        {36, 10, 5, Shape::SizeWE},   {36, 80, 5, Shape::SizeWE},  {20, 86, 7, Shape::SizeNS},
        {30, 89, 7, Shape::SizeNS},
    };
    for (const auto& c : cases) {
        const int zone = BackgroundZone(c.x, c.y, 40, 90);
        EXPECT_EQ(zone, c.zone) << c.x << "," << c.y;
        EXPECT_EQ(BackgroundZoneShape(zone), c.shape) << c.x << "," << c.y;
    }
}

TEST(PanelGeometry, DraggingAButtonMovesItOrPullsOneEdge) {
    const PanelBox start{10, 20, 30, 40};
    // The pointer 5 right and 3 down of the press at (4, 4), measured from
    // the button where it stands now.
    const struct {
        int zone;
        PanelBox current;
        PanelBox expected;
    } cases[] = {
        {0, start, {15, 23, 30, 40}}, {0, {15, 23, 30, 40}, {20, 26, 30, 40}},  // moved on from there
        {1, start, {15, 20, 25, 40}}, {1, {15, 20, 25, 40}, {20, 20, 20, 40}}, {2, start, {10, 23, 30, 37}},
        {3, start, {10, 20, 35, 40}}, {3, {10, 20, 35, 40}, {10, 20, 35, 40}},  // sizes count from the press
        {4, start, {10, 20, 30, 43}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DragButton(c.current, start, c.zone, 9, 7, 4, 4), c.expected) << c.zone;
}

TEST(PanelGeometry, DraggingThePanelMovesItOrPullsItsEdgesAndCorners) {
    const PanelBox start{100, 200, 40, 90};
    // The pointer 6 right and 4 up of the press.
    const struct {
        int zone;
        PanelBox expected;
    } cases[] = {
        {0, {106, 196, 40, 90}}, {-1, {106, 196, 40, 90}}, {1, {106, 200, 34, 90}}, {2, {106, 196, 34, 94}},
        {3, {100, 196, 40, 94}}, {4, {100, 196, 46, 94}},  {5, {100, 200, 46, 90}}, {6, {100, 200, 46, 86}},
        {7, {100, 200, 40, 86}}, {8, {106, 200, 34, 86}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DragPanel(start, start, c.zone, 16, 6, 10, 10), c.expected) << c.zone;
}

TEST(PanelGeometry, AThingDraggedBelowItsLeastSizeSpringsBack) {
    EXPECT_FALSE(ButtonTooSmall({0, 0, 3, 3}));
    EXPECT_TRUE(ButtonTooSmall({0, 0, 2, 30}));
    EXPECT_TRUE(ButtonTooSmall({0, 0, 30, 2}));
    EXPECT_TRUE(ButtonTooSmall({0, 0, -5, 30}));
    // The panel's picture, inside its edge, must keep 5 pixels.
    EXPECT_FALSE(PanelTooSmall({0, 0, 7, 7}));
    EXPECT_TRUE(PanelTooSmall({0, 0, 6, 90}));
    EXPECT_TRUE(PanelTooSmall({0, 0, 40, 6}));

    // A right edge dragged to 2 pixels wide.
    const PanelBox button{10, 10, 21, 21};
    EXPECT_TRUE(ButtonTooSmall(DragButton(button, button, 3, 1, 10, 20, 10)));
}

TEST(PanelGeometry, ThePanelComesBackToTheWorkAreaWhenWhollyOffIt) {
    const WorkArea area{0, 0, 1280, 994};
    const struct {
        PanelBox stored;
        PanelBox placed;
    } cases[] = {
        {{0, 0, 40, 90}, {0, 0, 40, 90}},           {{1240, 904, 40, 90}, {1240, 904, 40, 90}},
        {{1260, 980, 40, 90}, {1260, 980, 40, 90}},  // partly off: left as it is
        {{1281, 500, 40, 90}, {1240, 500, 40, 90}}, {{30000, 30000, 40, 90}, {1240, 904, 40, 90}},
        {{-41, -91, 40, 90}, {0, 0, 40, 90}},       {{-40, -90, 40, 90}, {-40, -90, 40, 90}},
        {{0, 0, 1280, 994}, {0, 0, 1280, 994}},     {{0, 0, 32767, 995}, {0, 0, 40, 90}},
    };
    // A size larger than the work area (the last case) reads as the default.
    for (const auto& c : cases)
        EXPECT_EQ(PlacePanel(c.stored, area), c.placed) << c.stored.left << "," << c.stored.top;
    // A work area that does not start at the screen's corner.
    EXPECT_EQ(PlacePanel({-500, 2000, 40, 90}, {100, 30, 1280, 1024}), (PanelBox{100, 934, 40, 90}));
}

TEST(PanelGeometry, ANewButtonGoesWhereItCoversNoOther) {
    TBtnEntry a, b;  // at the corner, and beside it
    a.W = a.H = b.W = b.H = kNewButtonSize;
    b.X = kNewButtonSize;
    EXPECT_EQ(FreePlace({}, 50, 50), (PanelBox{0, 0, 21, 21}));
    EXPECT_EQ(FreePlace({a}, 50, 50), (PanelBox{21, 0, 21, 21}));
    EXPECT_EQ(FreePlace({b}, 50, 50), (PanelBox{0, 0, 21, 21}));
    EXPECT_EQ(FreePlace({a, b}, 50, 50), (PanelBox{0, 21, 21, 21}));  // the row is full
    EXPECT_EQ(FreePlace({a, b}, 42, 21), (PanelBox{0, 0, 21, 21}));   // no room
}

}  // namespace
