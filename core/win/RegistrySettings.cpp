#include "core/win/RegistrySettings.h"

#include <vector>

#include "core/Settings.h"
#include "core/Text.h"

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

// The call runs under the lock, so no thread closes the key while another
// uses it.
template <class Call>
LONG RegistrySettings::WithKey(Call call) {
    const std::lock_guard lock(mutex_);
    if (!key_) key_ = OpenSettingsKey();
    if (!key_) return ERROR_FILE_NOT_FOUND;
    const LONG result = call(key_.get());
    if (result != ERROR_KEY_DELETED) return result;
    key_ = OpenSettingsKey();
    return key_ ? call(key_.get()) : ERROR_FILE_NOT_FOUND;
}

std::optional<int32_t> RegistrySettings::ReadInt(const std::string& name) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG result = WithKey([&](HKEY key) {
        size = sizeof value;
        return RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    });
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<std::string> RegistrySettings::ReadStr(const std::string& name) {
    DWORD type = 0;
    std::vector<char> buffer;
    DWORD size = 0;
    const LONG result = WithKey([&](HKEY key) {
        size = 0;
        LONG read = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
        if (read != ERROR_SUCCESS) return read;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return static_cast<LONG>(ERROR_INVALID_DATA);
        // The value may change between the two queries: retry until it fits.
        do {
            buffer.assign(size + 1, '\0');
            size = static_cast<DWORD>(buffer.size() - 1);
            read = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                                    &size);
        } while (read == ERROR_MORE_DATA);
        return read;
    });
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // A stored string need not carry its terminator.
    return std::string(FixedText(buffer.data(), size + 1));
}

void RegistrySettings::WriteInt(const std::string& name, int32_t value) {
    const DWORD data = static_cast<DWORD>(value);
    WithKey([&](HKEY key) {
        return RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                              sizeof data);
    });
}

void RegistrySettings::WriteStr(const std::string& name, const std::string& value) {
    WithKey([&](HKEY key) {
        return RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1));
    });
}

SettingsBackend& DefaultSettingsBackend() {
    static RegistrySettings settings;
    return settings;
}
