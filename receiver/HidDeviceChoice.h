// The devices a user picks for the Windows remotes driver, as the setting
// HidKeyboards stores them, and the texts that name a device.
#pragma once

#include <set>
#include <string>
#include <vector>

// The stored device names ("\\?\HID#...", joined by "|"), upper-cased:
// Windows compares device names without regard to letter case.
std::set<std::string> ChosenKeyboards(const std::string& stored);
// The stored names as they were written.
std::vector<std::string> StoredNames(const std::string& stored);
std::string StoredKeyboards(const std::vector<std::string>& deviceNames);
// What the settings dialog stores: the devices ticked among those present,
// and the chosen ones that are unplugged now, which stay chosen.
std::string KeyboardsAfterChoice(const std::string& stored, const std::vector<std::string>& present,
                                 const std::vector<std::string>& ticked);
bool IsChosenKeyboard(const std::set<std::string>& chosen, const std::string& deviceName);

// "Product (VID 045E, PID 006D)", or the device name when it gives no product.
std::string DeviceLabel(const std::string& product, const std::string& deviceName, unsigned vendor,
                        unsigned productId);

// The status texts of the receiver.
std::string ReceivingText(bool anyDevice);
std::string DeviceAddedText(const std::string& label);
std::string DeviceRemovedText(const std::string& label);
