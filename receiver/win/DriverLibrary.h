// A receiver driver library loaded by full path, with its functions.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "core/win/Scoped.h"
#include "receiver/win/ReceiverDriver.h"

class DriverLibrary {
  public:
    // The library that the Driver setting selects, loaded from the program
    // folder (from the current folder when the program is not Tovanix.exe);
    // null when it is missing or speaks neither version 2 nor 1 of the interface.
    static std::unique_ptr<DriverLibrary> LoadSelected();

    const TovReceiverDriver& functions() const { return *functions_; }

  private:
    DriverLibrary(UniqueModule module, const TovReceiverDriver* functions)
        : module_(std::move(module)), functions_(functions) {}
    UniqueModule module_;
    const TovReceiverDriver* functions_;
};
