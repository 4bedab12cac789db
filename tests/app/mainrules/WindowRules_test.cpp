#include <gtest/gtest.h>

#include <tuple>

#include "app/mainrules/InstanceName.h"
#include "app/mainrules/WindowPosition.h"

namespace {

// On a screen of 1280 x 1024 whose work area is all of it.
Placement Restored(std::optional<int> left, std::optional<int> top, int height, int width) {
    return RestoredPlacement(left, top, height, width, 200, ScreenArea{0, 0, 1280, 1024});
}

TEST(RestoredPlacement, CentredWithoutSavedValues) {
    const Placement placement = Restored(std::nullopt, std::nullopt, 472, 296);
    EXPECT_EQ(placement.left, 492);
    EXPECT_EQ(placement.top, 276);
    EXPECT_EQ(placement.height, 472);
}

TEST(RestoredPlacement, HalvesRoundToEven) {
    EXPECT_EQ(Restored(std::nullopt, std::nullopt, 473, 297).left, 492);  // 491.5
    EXPECT_EQ(Restored(std::nullopt, std::nullopt, 473, 295).left, 492);  // 492.5
    EXPECT_EQ(Restored(std::nullopt, std::nullopt, 473, 296).top, 276);   // 275.5
}

TEST(RestoredPlacement, SavedPlaceIsKeptWhileOnTheScreen) {
    const Placement placement = Restored(-100, 900, 300, 296);
    EXPECT_EQ(placement.left, -100);
    EXPECT_EQ(placement.top, 900);
}

TEST(RestoredPlacement, PlaceOffTheScreenIsCentredOnEachAxis) {
    EXPECT_EQ(Restored(3000, 10, 472, 296).left, 492);
    EXPECT_EQ(Restored(3000, 10, 472, 296).top, 10);
    EXPECT_EQ(Restored(-297, 10, 472, 296).left, 492);
    EXPECT_EQ(Restored(-296, 10, 472, 296).left, -296);
    EXPECT_EQ(Restored(10, -500, 472, 296).top, 276);
    EXPECT_EQ(Restored(10, 1025, 472, 296).top, 276);
    EXPECT_EQ(Restored(10, -1, 472, 296).top, 276);  // the title bar out of reach
}

TEST(RestoredPlacement, TheHeightFitsTheWorkAreaItOpensOn) {
    const ScreenArea belowTaskbar{1280, 40, 2560, 1024};
    for (const auto& [saved, height, top] : {std::tuple{32767, 984, 40}, std::tuple{2000, 984, 40},
                                             std::tuple{0, 200, 432}, std::tuple{-5, 200, 432}}) {
        const Placement placement =
            RestoredPlacement(std::nullopt, std::nullopt, saved, 296, 200, belowTaskbar);
        EXPECT_EQ(placement.height, height) << saved;
        EXPECT_EQ(placement.top, top) << saved;
        EXPECT_EQ(placement.left, 1772) << saved;
    }
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
