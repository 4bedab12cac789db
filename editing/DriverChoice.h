// The receiver drivers that the settings dialog lists: which files of the
// program folder it looks into and which entry shows the chosen driver.
#pragma once

#include <string>
#include <vector>

struct DriverEntry {
    std::string name;  // the driver's own name, as the list shows it
    std::string file;  // its file name, without folder, as the Driver setting holds it
};

// False for the process-name libraries (a name containing "RX95." or
// "RXNT.", letter case counting), which are never loaded for their name.
bool MayHoldDriver(const std::string& fileName);

// The entry of the library in use for the stored Driver: the local
// receiver when it is empty, else its file in any letter case (the last
// one when several are); -1 for none.
int SelectedDriver(const std::vector<DriverEntry>& drivers, const std::string& stored);
