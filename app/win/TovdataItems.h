// The item store of tovdata.dll as the dispatch and the executor use it.
#pragma once

#include "app/logic/Items.h"

class TovdataItems : public Items {
  public:
    TMacroRecord* getMacro(const char* id) override;
    TBGroupRecord* getBGroup(const char* id) override;
    TMacroRecord* findMacroByName(const char* name) override;
    TBGroupRecord* findBGroupByName(const char* name) override;
    ItemMatch findItemByCommand(const char* sequence, bool final) override;
    void activateBGroup(const char* id) override;
};
