// Reading the input reports of a remote's HID collections: which buttons a
// report holds down. A report that holds none releases what the collection
// held before.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The top-level collections that carry a remote's buttons.
enum class HidCollection { kConsumer, kMediaCenter, kSystem, kKeyboard, kOther };

struct HidUsage {
    std::uint16_t page;
    std::uint16_t usage;
    bool operator==(const HidUsage& other) const { return page == other.page && usage == other.usage; }
};

// The top-level collections by their usage page and usage: consumer control,
// the Media Center remote and system control, which every remote may have,
// and the keyboard.
inline constexpr HidUsage kRemoteCollections[] = {{0x0C, 0x01}, {0xFFBC, 0x88}, {0x01, 0x80}};
inline constexpr HidUsage kKeyboardCollection{0x01, 0x06};

// The collection with that usage page and usage.
HidCollection CollectionOf(std::uint16_t page, std::uint16_t usage);

// The buttons a report of the collection holds down; empty when it holds
// none (a release); nothing when the report is not about buttons. A report
// begins with its report ID (0 for a device without IDs):
// - consumer control: the rest is an array of 16-bit little-endian usages
//   (a single byte: one 8-bit usage);
// - the Media Center collection: report ID 2, then one byte, the button;
// - system control: bits 0, 1 and 2 of the first byte are Power, Sleep, Wake.
std::optional<std::vector<HidUsage>> ButtonsDown(HidCollection collection, const unsigned char* report,
                                                 std::size_t size);
