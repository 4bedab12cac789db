// The receiver drivers of the program folder, for the settings dialog's list.
#pragma once

#include <vector>

#include "editing/DriverChoice.h"

// Each library of the program folder that names itself through
// getDriverName, in the folder's order. Every library is loaded by its full
// path only to ask its name and released at once; the process-name
// libraries are never loaded.
std::vector<DriverEntry> FindDrivers();
