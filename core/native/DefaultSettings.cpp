// Off Windows there is no registry: settings live in memory for the process.
#include "MemorySettings.h"
#include "Settings.h"

SettingsBackend& DefaultSettingsBackend() {
    static MemorySettings settings;
    return settings;
}
