// The receivers' streams: lircd's socket, the local receiver's pipe and the
// IRMan's serial bytes, fed in two pieces split where the input says. No
// fault, and no press longer than its line allows.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "receiver/IrmanProtocol.h"
#include "receiver/LircProtocol.h"
#include "receiver/LocalProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = data[0] % (text.size() + 1);

    LircReader lirc;
    const auto lircPress = [](const LircPress& press) {
        if (press.remote.size() + press.button.size() > LircReader::kMaxLineLength) std::abort();
    };
    lirc.Feed(text.substr(0, split), lircPress);
    lirc.Feed(text.substr(split), lircPress);
    ParseLircLine(text);

    LocalReader local;
    const auto localPress = [](const LocalPress& press) {
        if (press.command.size() > LocalReader::kMaxLineLength) std::abort();
    };
    local.Feed(text.substr(0, split), localPress);
    local.Feed(text.substr(split), localPress);
    ParseLocalPress(text);

    IrmanFrameDecoder decoder;
    IrmanRepeatCounter repeats;
    IrmanClock::time_point now{};
    for (char byte : text) {
        // Each byte comes 0 to 63 ms after the one before, so that frames
        // are both completed and broken off by gaps.
        now += std::chrono::milliseconds(static_cast<std::uint8_t>(byte) % 64);
        if (const auto code = decoder.Feed(static_cast<std::uint8_t>(byte), now)) {
            if (code->size() != 2 * IrmanFrameDecoder::kFrameSize) std::abort();
            repeats.Next(*code, now);
        }
    }
    return 0;
}
