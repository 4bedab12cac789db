// Which button group the program in front selects, for FollowForeground.
#pragma once

#include <string>
#include <string_view>

#include "app/logic/Items.h"
#include "core/Records.h"

// The file name of the program a group stands for: its start macro's
// TargetFile, else the program of the start macro's first LAUNCH element;
// "" when the group has no start macro or it names no program.
std::string ProgramOfGroup(Items& items, const TBGroupRecord& group);

// The first enabled group, in the store's order, whose program is this
// program file (compared by file name, letter case aside); "" for none.
std::string GroupOfProgram(Items& items, std::string_view programFile);
