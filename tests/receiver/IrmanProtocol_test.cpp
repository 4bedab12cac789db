#include "receiver/IrmanProtocol.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
const IrmanClock::time_point t0{};

TEST(IrmanFrameDecoder, GivesSixBytesAsTwelveHexDigits) {
    IrmanFrameDecoder decoder;
    const std::uint8_t bytes[] = {0x00, 0x1f, 0xa0, 0xff, 0x42, 0x09};
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(decoder.Feed(bytes[i], t0 + i * 1ms));
    EXPECT_EQ(decoder.Feed(bytes[5], t0 + 5ms), "001FA0FF4209");
}

TEST(IrmanFrameDecoder, StartsTheNextFrameAfterOne) {
    IrmanFrameDecoder decoder;
    for (int i = 0; i < 5; ++i) decoder.Feed(1, t0);
    EXPECT_EQ(decoder.Feed(1, t0), "010101010101");
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(decoder.Feed(2, t0 + 10ms));
    EXPECT_EQ(decoder.Feed(2, t0 + 10ms), "020202020202");
}

TEST(IrmanFrameDecoder, AGapDropsAPartialFrame) {
    IrmanFrameDecoder decoder;
    decoder.Feed(0xee, t0);  // noise
    decoder.Feed(0xee, t0 + 1ms);
    const auto later = t0 + 1ms + IrmanFrameDecoder::kMaxByteGap + 1ms;
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(decoder.Feed(7, later));
    EXPECT_EQ(decoder.Feed(7, later), "070707070707");
}

TEST(IrmanFrameDecoder, AGapOfExactlyTheLimitKeepsTheFrame) {
    IrmanFrameDecoder decoder;
    auto at = t0;
    for (int i = 0; i < 5; ++i, at += IrmanFrameDecoder::kMaxByteGap) EXPECT_FALSE(decoder.Feed(3, at));
    EXPECT_EQ(decoder.Feed(3, at), "030303030303");
}

TEST(IrmanRepeatCounter, CountsTheSameCodeWithin200msAsRepeats) {
    IrmanRepeatCounter counter;
    EXPECT_EQ(counter.Next("A", t0), 0);
    EXPECT_EQ(counter.Next("A", t0 + 110ms), 1);
    EXPECT_EQ(counter.Next("A", t0 + 220ms), 2);
    EXPECT_EQ(counter.Next("A", t0 + 420ms), 3);  // exactly 200 ms still holds
}

TEST(IrmanRepeatCounter, ALongerGapIsANewPress) {
    IrmanRepeatCounter counter;
    counter.Next("A", t0);
    counter.Next("A", t0 + 100ms);
    EXPECT_EQ(counter.Next("A", t0 + 301ms), 0);
    EXPECT_EQ(counter.Next("A", t0 + 400ms), 1);
}

TEST(IrmanRepeatCounter, AnotherCodeIsANewPress) {
    IrmanRepeatCounter counter;
    counter.Next("A", t0);
    EXPECT_EQ(counter.Next("B", t0 + 50ms), 0);
    EXPECT_EQ(counter.Next("A", t0 + 100ms), 0);
    EXPECT_EQ(counter.Next("A", t0 + 150ms), 1);
}

}  // namespace
