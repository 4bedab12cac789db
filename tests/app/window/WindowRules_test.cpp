#include <gtest/gtest.h>

#include "InstanceName.h"
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

TEST(InstanceMutexName, OneNamePerFolderWithoutABackslashAfterThePrefix) {
    const std::string name = InstanceMutexName("C:\\TOOLS\\TOVANIX\\");
    EXPECT_EQ(name.rfind("Local\\Tovanix-", 0), 0u);
    EXPECT_EQ(name.find('\\', 6), std::string::npos);
    EXPECT_EQ(InstanceMutexName("C:\\TOOLS\\TOVANIX"), name);
    EXPECT_EQ(InstanceMutexName("C:/TOOLS/TOVANIX/"), name);
    EXPECT_NE(InstanceMutexName("C:\\TOOLS\\TOVANIX2\\"), name);
    EXPECT_NE(InstanceMutexName("D:\\TOOLS\\TOVANIX\\"), name);
}

}  // namespace
