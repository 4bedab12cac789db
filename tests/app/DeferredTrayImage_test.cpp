// When the shell hears of the tray icon's image: timelines of images wanted
// and frame timers run out, with what the shell is told.
#include "app/logic/DeferredTrayImage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "0".."2": the program wants that image; "|": the frame timer runs out.
// The answer: per event, "!" told at once, "~" frame timer started, "."
// nothing, or the image told when the frame is over.
struct Timeline {
    const char* what;
    const char* events;
    const char* told;
};

const Timeline kTimelines[] = {
    {"the first image goes at once", "1", "!"},
    {"a one-key macro's running image, undone within a frame, is never told", "121|", "!~.."},
    {"a running image that lasts a frame is told, and so is its end", "12|1|", "!~2~1"},
    {"each repeat of a held button within a frame is no change", "12|1212|", "!~2~.~.."},
    {"the last change of a frame is the one told", "120|", "!~~0"},
    {"the image the shell shows again is no change", "11|", "!.."},
};

TEST(DeferredTrayImage, TellsTheShellOnlyOfChangesThatLastAFrame) {
    for (const Timeline& t : kTimelines) {
        DeferredTrayImage image;
        std::string told;
        for (const char* e = t.events; *e; ++e) {
            if (*e == '|') {
                const std::optional<int> frame = image.FrameOver();
                told += frame ? static_cast<char>('0' + *frame) : '.';
                continue;
            }
            const TrayStep step = image.Want(*e - '0');
            told += step == TrayStep::TellNow ? '!' : step == TrayStep::AfterFrame ? '~' : '.';
        }
        EXPECT_EQ(told, t.told) << t.what;
    }
}

}  // namespace
