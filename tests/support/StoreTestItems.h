// Records for store tests, filled the way the editors and the import do:
// fresh (all zero) and then the fields the test cares about.
#pragma once

#include <string_view>

#include "core/Records.h"

inline TMacroRecord MacroRecord(std::string_view id, std::string_view appID = "",
                                std::string_view command = "", std::string_view name = "") {
    TMacroRecord macro = FreshMacroRecord();
    CopyText(macro.ID, id);
    CopyText(macro.AppID, appID);
    CopyText(macro.IRCommand, command);
    CopyText(macro.Name, name);
    return macro;
}

inline TBGroupRecord GroupRecord(std::string_view id, std::string_view command = "",
                                 std::string_view name = "") {
    TBGroupRecord group = FreshBGroupRecord();
    CopyText(group.ID, id);
    CopyText(group.IRCommand, command);
    CopyText(group.Name, name);
    return group;
}
