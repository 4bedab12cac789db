#include "DriverChoice.h"

bool MayHoldDriver(const std::string& fileName) {
    return fileName.find("RX95.") == std::string::npos && fileName.find("RXNT.") == std::string::npos;
}

int SelectedDriver(const std::vector<DriverEntry>& drivers, const std::string& stored) {
    int selected = -1;
    for (std::size_t i = 0; i < drivers.size(); ++i)
        if (drivers[i].file == stored) selected = static_cast<int>(i);
    return selected;
}
