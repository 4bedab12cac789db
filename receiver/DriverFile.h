// Which driver library the Driver setting selects.
#pragma once

#include <optional>
#include <string>

// The local receiver, used when no driver is chosen.
inline constexpr const char* kLocalDriverFile = "tovlocal.dll";

// The library's file name in the program folder: the setting itself, the
// local receiver for an empty setting, nothing for a value with a folder or
// drive in it (drivers are loaded from the program folder only).
std::optional<std::string> DriverFileName(const std::string& setting);
