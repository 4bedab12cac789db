// Loading and releasing tovshow.dll: the settings dialog loads every library
// of the program folder to look for receiver drivers.
#include <gtest/gtest.h>

#include <cstring>

#include "display/tovshow.h"
#include "tests/display/win/DisplayTestSupport.h"

namespace {

bool OSDClassRegistered(HMODULE module) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(module, "TdlgOSD", &info);
}

TEST(TovshowLibrary, LoadingAndReleasingItDoesNothing) {
    const std::size_t windowsBefore = OSDWindows().size();
    LibraryCopy copy;
    ASSERT_NE(copy.module(), nullptr);
    EXPECT_FALSE(OSDClassRegistered(copy.module()));
    EXPECT_EQ(OSDWindows().size(), windowsBefore);
}

TEST(TovshowLibrary, ReleasingItTakesTheDisplaysWindowClassAlong) {
    CleanSettings settings;
    HMODULE module = nullptr;
    {
        LibraryCopy copy;
        module = copy.module();
        ASSERT_NE(module, nullptr);
        TOSDText text{};
        std::strcpy(text, "Released");
        copy.Export<decltype(showCommand)>("showCommand")(text);
        EXPECT_TRUE(OSDClassRegistered(module));
        CloseOSDWindows();
    }
    EXPECT_FALSE(OSDClassRegistered(module));
}

}  // namespace
