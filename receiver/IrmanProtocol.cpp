#include "receiver/IrmanProtocol.h"

std::optional<std::string> IrmanFrameDecoder::Feed(std::uint8_t byte, IrmanClock::time_point now) {
    if (size_ > 0 && now - last_ > kMaxByteGap) size_ = 0;
    last_ = now;
    frame_[size_++] = byte;
    if (size_ < kFrameSize) return std::nullopt;
    size_ = 0;
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string code;
    for (std::uint8_t b : frame_) {
        code += kDigits[b >> 4];
        code += kDigits[b & 0xF];
    }
    return code;
}

int IrmanRepeatCounter::Next(const std::string& code, IrmanClock::time_point now) {
    const bool repeat = !code_.empty() && code == code_ && now - last_ <= kRepeatGap;
    repeats_ = repeat ? repeats_ + 1 : 0;
    code_ = code;
    last_ = now;
    return repeats_;
}
