#include "editing/DriverChoice.h"

#include "core/Text.h"
#include "receiver/DriverFile.h"

bool MayHoldDriver(const std::string& fileName) {
    return fileName.find("RX95.") == std::string::npos && fileName.find("RXNT.") == std::string::npos;
}

int SelectedDriver(const std::vector<DriverEntry>& drivers, const std::string& stored) {
    // The library that the receiver loads for the setting, found as Windows finds files.
    const std::optional<std::string> file = DriverFileName(stored);
    int selected = -1;
    for (std::size_t i = 0; i < drivers.size(); ++i)
        if (file && EqualIgnoringCase(drivers[i].file, *file)) selected = static_cast<int>(i);
    return selected;
}
