// The IR command of a button of a Windows remote (HID): a short name in the
// "remote.button" form of the other receivers, so that learning, sequences
// and the look-up treat it like any other button.
#pragma once

#include <cstdint>
#include <string>

namespace hid_page {
inline constexpr std::uint16_t kGenericDesktop = 0x01;
inline constexpr std::uint16_t kConsumer = 0x0C;
inline constexpr std::uint16_t kMediaCenter = 0xFFBC;
}  // namespace hid_page

// "HID.PLAY_PAUSE" (consumer page and system control), "MCE.GUIDE" (the
// Media Center page); a usage without a name "HID.<page>.<usage>" in
// upper-case hexadecimal without leading zeros ("HID.C.1B4").
std::string HidButtonCommand(std::uint16_t page, std::uint16_t usage);

// A key of a keyboard chosen as a remote, by its virtual-key code: "KBD.F13",
// "KBD.UP"; a key without a name "KBD.VK_<code>" in two hexadecimal digits.
std::string KeyboardCommand(unsigned virtualKey);
