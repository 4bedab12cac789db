// A setting changed for one test and put back afterwards.
#pragma once

#include <optional>
#include <string>

#include "core/Settings.h"

// Sets a setting for the test's duration; the old value (or its absence)
// comes back afterwards.
class SettingOverride {
  public:
    SettingOverride(const StrSetting& setting, const std::string& text);
    SettingOverride(const IntSetting& setting, int value);
    ~SettingOverride();
    SettingOverride(const SettingOverride&) = delete;
    SettingOverride& operator=(const SettingOverride&) = delete;

  private:
    void Remember();
    std::string name_;
    std::optional<std::string> oldText_;
    std::optional<int> oldNumber_;
};
