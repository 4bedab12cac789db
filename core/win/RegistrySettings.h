// Settings in the registry under HKEY_CURRENT_USER\SOFTWARE\Morvale\Tovanix.
// Every call opens the key path afresh (creating what is missing) and closes
// it again, so values written by another module are seen at once.
#pragma once

#include "core/SettingsBackend.h"

class RegistrySettings : public SettingsBackend {
  public:
    std::optional<int32_t> ReadInt(const std::string& name) override;
    std::optional<std::string> ReadStr(const std::string& name) override;
    void WriteInt(const std::string& name, int32_t value) override;
    void WriteStr(const std::string& name, const std::string& value) override;
};

// The key path below HKEY_CURRENT_USER, one level at a time.
inline constexpr const char* kSettingsKeyPath[] = {"SOFTWARE", "Morvale", "Tovanix"};
