// The launch dialog's fields are those of a LAUNCH element: the dialog
// builds its command with WriteLaunchElement and reads one back for editing
// with SplitLaunch, so that a file on drive D or I keeps its drive.
#pragma once

#include <cstddef>
#include <optional>

#include "core/DialogMessage.h"
#include "core/LaunchElement.h"

inline constexpr std::size_t kMaxLaunchFileLength = 80;
inline constexpr std::size_t kMaxLaunchParametersLength = 50;

// A new launch command allows only one instance and leaves the receiver on.
inline LaunchElement NewLaunchFields() {
    LaunchElement fields;
    fields.oneInstance = true;
    return fields;
}

extern const DialogMessage kParametersNeedAProgram;

// OK: refused when the command would not read back as the fields, which
// happens when parameters follow a file that is no program: the launch
// would take them for part of the file's name.
std::optional<DialogMessage> LaunchRefusal(const LaunchElement& fields);
