// Settings kept in memory: the backend of the native tests.
#pragma once

#include <map>
#include <string>
#include <variant>

#include "core/SettingsBackend.h"

class MemorySettings : public SettingsBackend {
  public:
    std::optional<int32_t> ReadInt(const std::string& name) override;
    std::optional<std::string> ReadStr(const std::string& name) override;
    void WriteInt(const std::string& name, int32_t value) override;
    void WriteStr(const std::string& name, const std::string& value) override;

    bool Contains(const std::string& name) const;
    void Clear() { values_.clear(); }

  private:
    // Keyed by the upper-case name, so that names compare without case.
    std::map<std::string, std::variant<int32_t, std::string>> values_;
};
