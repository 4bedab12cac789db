#include "receiver/win/HidDevices.h"

// mingw-w64's header declares C functions without saying so.
extern "C" {
#include <hidsdi.h>
}

#include "core/win/Scoped.h"
#include "receiver/HidDeviceChoice.h"

namespace {

std::string DeviceName(HANDLE handle) {
    UINT size = 0;
    if (GetRawInputDeviceInfoA(handle, RIDI_DEVICENAME, nullptr, &size) != 0 || size == 0) return {};
    std::string name(size, '\0');
    if (GetRawInputDeviceInfoA(handle, RIDI_DEVICENAME, name.data(), &size) == static_cast<UINT>(-1))
        return {};
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    return name;
}

// The product name and IDs the device itself gives; opening it without
// access rights works for every user, keyboards included.
std::string Label(const std::string& name, DWORD vendor, DWORD product) {
    std::string productName;
    const UniqueHandle file = OwnedFile(
        CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (file) {
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof attributes;
        if (HidD_GetAttributes(file.get(), &attributes)) {
            vendor = attributes.VendorID;
            product = attributes.ProductID;
        }
        wchar_t text[127] = L"";
        if (HidD_GetProductString(file.get(), text, sizeof text)) {
            char narrow[256] = "";
            WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
            productName = narrow;
        }
    }
    return DeviceLabel(productName, name, vendor, product);
}

}  // namespace

std::optional<HidDevice> DescribeDevice(HANDLE handle) {
    if (!handle) return std::nullopt;
    RID_DEVICE_INFO info{};
    info.cbSize = sizeof info;
    UINT size = sizeof info;
    if (GetRawInputDeviceInfoA(handle, RIDI_DEVICEINFO, &info, &size) == static_cast<UINT>(-1))
        return std::nullopt;
    HidDevice device;
    device.handle = handle;
    device.name = DeviceName(handle);
    if (info.dwType == RIM_TYPEKEYBOARD) {
        device.collection = HidCollection::kKeyboard;
        device.label = Label(device.name, 0, 0);
    } else if (info.dwType == RIM_TYPEHID) {
        device.collection = CollectionOf(info.hid.usUsagePage, info.hid.usUsage);
        device.label = Label(device.name, info.hid.dwVendorId, info.hid.dwProductId);
    } else {
        return std::nullopt;
    }
    return device;
}

std::vector<HidDevice> PresentDevices() {
    UINT count = 0;
    GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST));
    std::vector<RAWINPUTDEVICELIST> list(count);
    count = GetRawInputDeviceList(list.data(), &count, sizeof(RAWINPUTDEVICELIST));
    std::vector<HidDevice> devices;
    if (count == static_cast<UINT>(-1)) return devices;
    list.resize(count);
    for (const RAWINPUTDEVICELIST& entry : list) {
        if (entry.dwType == RIM_TYPEMOUSE) continue;
        if (std::optional<HidDevice> device = DescribeDevice(entry.hDevice))
            devices.push_back(std::move(*device));
    }
    return devices;
}
