#include "editing/ClickDescription.h"

#include <gtest/gtest.h>

namespace {

TEST(ClickDescription, DescribesWhatTheClickDoes) {
    const struct {
        const char* token;
        const char* description;
    } cases[] = {
        {"CLICK:0120:0045:L:W:CLICK",
         "Left mouse button click to 120, 45. Coordinates are in relation to destination window."},
        {"CLICK:0120:0045:R:S:D:CLICK",
         "Right mouse button double click to 120, 45. Coordinates are in relation to whole screen."},
        {"CLICK:0000:0007:M:S:DOWN",
         "Middle mouse button down 0, 7. Coordinates are in relation to whole screen."},
        {"CLICK:9999:0100:L:W:UP",
         "Left mouse button up 9999, 100. Coordinates are in relation to destination window."},
        {"CLICK:0100:0020:X:Q:CLICK",
         "Right mouse button click to 100, 20. Coordinates are in relation to destination window."},
        {"CLICK:0100:0020:L:W:D:DOWN",
         "Left mouse button down 100, 20. Coordinates are in relation to destination window."},
        {"CLICK:0100:0020:L:W",
         "Left mouse button click to 100, 20. Coordinates are in relation to destination window."},
        {"CLICK:00-5:0020:L:W:CLICK", ""},  // clicks nothing
        {"CLICK:0100:0020:L", ""},
        {"PAUSE:100", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(describeClickCommand(c.token), c.description) << c.token;
}

}  // namespace
