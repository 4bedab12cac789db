// Empties the item store of tovdata.dll, which all tests of a program share.
#pragma once

#include "store/tovdata.h"

inline void DeleteAllItems() {
    int position = -1;
    while (const TBGroupRecord* group = getNextBGroup(&position)) {
        deleteItem(group->ID);
        position = -1;
    }
    position = -1;
    while (const TMacroRecord* macro = getNextMacro(&position, "", true)) {
        deleteItem(macro->ID);
        position = -1;
    }
}
