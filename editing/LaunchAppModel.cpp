#include "editing/LaunchAppModel.h"

#include "core/Text.h"

const DialogMessage kParametersNeedAProgram{
    "Parameters can be passed to a program only (a file ending in .exe, .com or .bat). To open a document "
    "with parameters, launch its program and name the document among the parameters.",
    "Launch file", MessageIcon::Information};

std::optional<DialogMessage> LaunchRefusal(const LaunchElement& fields) {
    // The command is read back the way the executor reads it: what does
    // not come back apart would be launched as one file name.
    const LaunchElement read = SplitLaunch(WriteLaunchElement(fields));
    if (read.file == TrimBlanks(fields.file) && read.parameters == TrimBlanks(fields.parameters))
        return std::nullopt;
    return kParametersNeedAProgram;
}
