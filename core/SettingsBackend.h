// Where settings are kept: the registry in the program, memory in tests.
// Value names are compared without regard to case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class SettingsBackend {
  public:
    virtual ~SettingsBackend() = default;
    // nullopt when the value is missing, of another type, or unreadable.
    virtual std::optional<int32_t> ReadInt(const std::string& name) = 0;
    virtual std::optional<std::string> ReadStr(const std::string& name) = 0;
    // A failed write is lost silently.
    virtual void WriteInt(const std::string& name, int32_t value) = 0;
    virtual void WriteStr(const std::string& name, const std::string& value) = 0;
};
