#include <gtest/gtest.h>

#include "WindowPosition.h"

namespace {

TEST(RestoredPlacement, CentredWithoutSavedValues) {
    const Placement placement = RestoredPlacement(std::nullopt, std::nullopt, 472, 296, 1280, 1024);
    EXPECT_EQ(placement.left, 492);
    EXPECT_EQ(placement.top, 276);
    EXPECT_EQ(placement.height, 472);
}

TEST(RestoredPlacement, HalvesRoundToEven) {
    EXPECT_EQ(RestoredPlacement(std::nullopt, std::nullopt, 473, 297, 1280, 1024).left, 492);  // 491.5
    EXPECT_EQ(RestoredPlacement(std::nullopt, std::nullopt, 473, 295, 1280, 1024).left, 492);  // 492.5
    EXPECT_EQ(RestoredPlacement(std::nullopt, std::nullopt, 473, 296, 1280, 1024).top, 276);   // 275.5
}

TEST(RestoredPlacement, SavedPlaceIsKeptWhileOnTheScreen) {
    const Placement placement = RestoredPlacement(-100, 900, 300, 296, 1280, 1024);
    EXPECT_EQ(placement.left, -100);
    EXPECT_EQ(placement.top, 900);
}

TEST(RestoredPlacement, PlaceOffTheScreenIsCentredOnEachAxis) {
    EXPECT_EQ(RestoredPlacement(3000, 10, 472, 296, 1280, 1024).left, 492);
    EXPECT_EQ(RestoredPlacement(3000, 10, 472, 296, 1280, 1024).top, 10);
    EXPECT_EQ(RestoredPlacement(-297, 10, 472, 296, 1280, 1024).left, 492);
    EXPECT_EQ(RestoredPlacement(-296, 10, 472, 296, 1280, 1024).left, -296);
    EXPECT_EQ(RestoredPlacement(10, -500, 472, 296, 1280, 1024).top, 276);
    EXPECT_EQ(RestoredPlacement(10, 1025, 472, 296, 1280, 1024).top, 276);
}

}  // namespace
