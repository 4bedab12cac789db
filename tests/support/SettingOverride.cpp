#include "tests/support/SettingOverride.h"

#include <windows.h>

SettingOverride::SettingOverride(const StrSetting& setting, const std::string& text) : name_(setting.name) {
    Remember();
    WriteSetting(setting, text);
}

SettingOverride::SettingOverride(const IntSetting& setting, int value) : name_(setting.name) {
    Remember();
    WriteSetting(setting, value);
}

void SettingOverride::Remember() {
    oldText_ = DefaultSettingsBackend().ReadStr(name_);
    oldNumber_ = DefaultSettingsBackend().ReadInt(name_);
}

SettingOverride::~SettingOverride() {
    if (oldText_)
        WriteStrSetting(name_, *oldText_);
    else if (oldNumber_)
        WriteIntSetting(name_, *oldNumber_);
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale\\Tovanix", name_.c_str());
}
