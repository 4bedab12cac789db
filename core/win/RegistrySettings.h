// Settings in the registry under HKEY_CURRENT_USER\SOFTWARE\Morvale\Tovanix.
// The key is opened once (creating what is missing) and kept open: each value
// is read from the registry at each call, so values written by another module
// or program are seen at once, and a key deleted meanwhile (the settings
// reset) is opened anew.
#pragma once

#include <windows.h>

#include <mutex>

#include "core/SettingsBackend.h"
#include "core/win/Scoped.h"

class RegistrySettings : public SettingsBackend {
  public:
    std::optional<int32_t> ReadInt(const std::string& name) override;
    std::optional<std::string> ReadStr(const std::string& name) override;
    void WriteInt(const std::string& name, int32_t value) override;
    void WriteStr(const std::string& name, const std::string& value) override;

  private:
    // Runs call(key) on the open key, and once more on a key opened anew
    // when the key was deleted; the call's result, or an error.
    template <class Call>
    LONG WithKey(Call call);

    std::mutex mutex_;
    UniqueKey key_;
};

// The key path below HKEY_CURRENT_USER, one level at a time.
inline constexpr const char* kSettingsKeyPath[] = {"SOFTWARE", "Morvale", "Tovanix"};
