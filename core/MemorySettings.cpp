#include "core/MemorySettings.h"

#include "core/Text.h"

namespace {
std::string Key(const std::string& name) { return ToUpperAscii(name); }
}  // namespace

std::optional<int32_t> MemorySettings::ReadInt(const std::string& name) {
    auto it = values_.find(Key(name));
    if (it == values_.end() || !std::holds_alternative<int32_t>(it->second)) return std::nullopt;
    return std::get<int32_t>(it->second);
}

std::optional<std::string> MemorySettings::ReadStr(const std::string& name) {
    auto it = values_.find(Key(name));
    if (it == values_.end() || !std::holds_alternative<std::string>(it->second)) return std::nullopt;
    return std::get<std::string>(it->second);
}

void MemorySettings::WriteInt(const std::string& name, int32_t value) { values_[Key(name)] = value; }

void MemorySettings::WriteStr(const std::string& name, const std::string& value) {
    values_[Key(name)] = value;
}

bool MemorySettings::Contains(const std::string& name) const { return values_.count(Key(name)) != 0; }
