#include "core/win/RegistrySettings.h"

#include <windows.h>

#include <vector>

#include "core/Settings.h"
#include "core/Text.h"
#include "core/win/Scoped.h"

namespace {
// Opens SOFTWARE, then Morvale, then Tovanix, each relative to the previous
// one and created when missing; null when one cannot be opened.
UniqueKey OpenSettingsKey() {
    UniqueKey parent;
    for (const char* part : kSettingsKeyPath) {
        HKEY child = nullptr;
        if (RegCreateKeyExA(parent ? parent.get() : HKEY_CURRENT_USER, part, 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &child,
                            nullptr) != ERROR_SUCCESS)
            return nullptr;
        parent.reset(child);
    }
    return parent;
}
}  // namespace

std::optional<int32_t> RegistrySettings::ReadInt(const std::string& name) {
    const UniqueKey key = OpenSettingsKey();
    if (!key.get()) return std::nullopt;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<std::string> RegistrySettings::ReadStr(const std::string& name) {
    const UniqueKey key = OpenSettingsKey();
    if (!key.get()) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    // The value may change between the two queries: retry until it fits.
    std::vector<char> buffer;
    LONG result;
    do {
        buffer.assign(size + 1, '\0');
        size = static_cast<DWORD>(buffer.size() - 1);
        result = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
    } while (result == ERROR_MORE_DATA);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // A stored string need not carry its terminator.
    return std::string(FixedText(buffer.data(), size + 1));
}

void RegistrySettings::WriteInt(const std::string& name, int32_t value) {
    const UniqueKey key = OpenSettingsKey();
    if (!key.get()) return;
    DWORD data = static_cast<DWORD>(value);
    RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

void RegistrySettings::WriteStr(const std::string& name, const std::string& value) {
    const UniqueKey key = OpenSettingsKey();
    if (!key.get()) return;
    RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

SettingsBackend& DefaultSettingsBackend() {
    static RegistrySettings settings;
    return settings;
}
