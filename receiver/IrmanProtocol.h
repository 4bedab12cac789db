// IRMan-compatible serial receivers: after the handshake the device sends 6
// bytes per decoded IR frame, the same 6 bytes for every frame of one key.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

using IrmanClock = std::chrono::steady_clock;

// The device answers the handshake with these two characters.
inline constexpr char kIrmanHandshakeReply[] = "OK";

// Gathers bytes into frames. The bytes of one frame follow each other
// closely; a byte after a longer gap starts a new frame, so a stray byte
// (noise, a frame cut short) cannot shift every later frame.
class IrmanFrameDecoder {
  public:
    static constexpr std::size_t kFrameSize = 6;
    static constexpr std::chrono::milliseconds kMaxByteGap{50};

    // The code of a completed frame as 12 upper-case hexadecimal digits.
    std::optional<std::string> Feed(std::uint8_t byte, IrmanClock::time_point now);

  private:
    std::array<std::uint8_t, kFrameSize> frame_{};
    std::size_t size_ = 0;
    IrmanClock::time_point last_{};
};

// The device has no repeat count: a code that comes again within 200 ms of
// its previous frame is a held button.
class IrmanRepeatCounter {
  public:
    static constexpr std::chrono::milliseconds kRepeatGap{200};

    // 0 for a new press, n for the n-th repeat.
    int Next(const std::string& code, IrmanClock::time_point now);

  private:
    std::string code_;
    IrmanClock::time_point last_{};
    int repeats_ = 0;
};
