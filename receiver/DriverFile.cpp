#include "receiver/DriverFile.h"

std::optional<std::string> DriverFileName(const std::string& setting) {
    if (setting.empty()) return kLocalDriverFile;
    if (setting.find_first_of("\\/:") != std::string::npos || setting == "." || setting == "..")
        return std::nullopt;
    return setting;
}
