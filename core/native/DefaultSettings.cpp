// Off Windows there is no registry: settings live in memory for the process.
#include "core/MemorySettings.h"
#include "core/Settings.h"

SettingsBackend& DefaultSettingsBackend() {
    static MemorySettings settings;
    return settings;
}
