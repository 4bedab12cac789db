// Which commands of the main window's menus are available for the current
// selection, and the captions that follow the selected item's state.
#pragma once

#include <string>

#include "core/Records.h"

struct MenuSelection {
    bool hasNodes = false;
    // The selected item, if any: one of the two, or neither.
    const TBGroupRecord* group = nullptr;
    const TMacroRecord* macro = nullptr;
    bool anySelected = false;  // a node is selected (even one whose item is gone)
    bool clipboardHoldsMacro = false;
};

struct MenuState {
    bool batchLearn = false;
    bool addGroupMacro = false;
    bool edit = false;
    bool learn = false;
    bool removeLearn = false;
    bool showLearnt = false;
    bool disable = false;
    bool hide = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool remove = false;  // "&Delete group/macro"
    bool exportItem = false;
    std::string disableCaption = "&Disable item";
    std::string hideCaption = "&Hide item";
};

MenuState ComputeMenuState(const MenuSelection& selection);
