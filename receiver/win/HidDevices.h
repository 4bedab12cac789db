// The HID devices that Windows presents, as raw input sees them: what each
// collection is, its device name and a label for the user.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "receiver/HidReport.h"

struct HidDevice {
    HANDLE handle = nullptr;
    HidCollection collection = HidCollection::kOther;
    std::string name;   // "\\?\HID#...", as Windows gives it
    std::string label;  // product name or device name, with vendor and product IDs
};

// A device by its raw input handle; nothing for a handle that is gone (or
// none: keys injected by programs come without a device).
std::optional<HidDevice> DescribeDevice(HANDLE handle);
// The keyboards and HID collections present now, mice left out.
std::vector<HidDevice> PresentDevices();
