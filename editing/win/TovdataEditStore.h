// The editing models' store: the item store of tovdata.dll.
#pragma once

#include "editing/EditStore.h"

class TovdataEditStore : public EditStore {
  public:
    TMacroRecord* getMacro(const char* id) override;
    TBGroupRecord* getBGroup(const char* id) override;
    TBGroupRecord* getNextBGroup(int& position) override;
    TMacroRecord* getNextMacro(int& position, const char* groupID) override;
    bool checkIRCommandConflict(const char* id, const char* command) override;
    std::string getNewMacroID() override;
    std::string getNewBGroupID() override;
    bool addMacro(const TMacroRecord& record) override;
    bool addBGroup(const TBGroupRecord& record) override;
    bool deleteItem(const char* id) override;
    bool isDisabled(const char* id) override;
    bool toggleDisableEnable(const char* id) override;
};
