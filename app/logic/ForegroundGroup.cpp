#include "app/logic/ForegroundGroup.h"

#include "core/CommandList.h"
#include "core/LaunchElement.h"
#include "core/Paths.h"
#include "core/Text.h"

std::string ProgramOfGroup(Items& items, const TBGroupRecord& group) {
    TItemID macroID;
    CopyItemID(macroID, group.MacroID);
    const TMacroRecord* macro = items.getMacro(macroID);
    if (!macro) return "";
    if (!FieldText(macro->TargetFile).empty()) return FileNameOf(FieldText(macro->TargetFile));
    for (const std::string& element : SplitCommands(ReadCommandList(FieldText(macro->Commands)).body)) {
        if (StartsWith(element, kLaunchPrefix)) return SplitLaunch(element, LaunchFolder::Strip).file;
    }
    return "";
}

std::string GroupOfProgram(Items& items, std::string_view programFile) {
    const std::string name = FileNameOf(programFile);
    if (name.empty()) return "";
    int position = -1;
    while (const TBGroupRecord* group = items.getNextBGroup(position)) {
        if (!group->Disabled && EqualIgnoringCase(ProgramOfGroup(items, *group), name))
            return std::string(FieldText(group->ID));
    }
    return "";
}
