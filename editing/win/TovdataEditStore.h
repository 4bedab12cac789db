// The editing models' store: the item store of tovdata.dll.
#pragma once

#include "EditStore.h"

class TovdataEditStore : public EditStore {
  public:
    TMacroRecord* getMacro(const char* id) override;
    TBGroupRecord* getBGroup(const char* id) override;
    TBGroupRecord* getNextBGroup(int& position) override;
    TMacroRecord* getNextMacro(int& position, const char* groupID) override;
    bool checkIRCommandConflict(const char* id, const char* command) override;
};
