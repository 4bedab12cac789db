#include "editing/win/DriverSearch.h"

#include "core/win/ProgramLibraries.h"

std::vector<DriverEntry> FindDrivers() {
    std::vector<DriverEntry> drivers;
    for (NamedLibrary& library : AskLibraryNames("getDriverName", MayHoldDriver))
        drivers.push_back({std::move(library.name), std::move(library.file)});
    return drivers;
}
