// The item store of tovdata.dll, the one the running program shares with
// tovedit and tovshow.
#pragma once

#include "app/cmdfile/ItemStoreAccess.h"

class TovdataStoreAccess : public ItemStoreAccess {
  public:
    TBGroupRecord* getNextBGroup(int& position) override;
    TMacroRecord* getNextMacro(int& position, const char* groupID, bool allMacros) override;
    bool getBGroupOrMacro(const char* id, TMacroRecord*& macro, TBGroupRecord*& group) override;
    bool addBGroup(const TBGroupRecord& record) override;
    bool addMacro(const TMacroRecord& record) override;
    std::string getNewBGroupID() override;
    std::string getNewMacroID() override;
    bool deleteItem(const char* id) override;
};
