#include "app/cmdfile/win/TovdataStoreAccess.h"

#include "store/tovdata.h"

TBGroupRecord* TovdataStoreAccess::getNextBGroup(int& position) { return ::getNextBGroup(&position); }

TMacroRecord* TovdataStoreAccess::getNextMacro(int& position, const char* groupID, bool allMacros) {
    return ::getNextMacro(&position, groupID, allMacros);
}

bool TovdataStoreAccess::getBGroupOrMacro(const char* id, TMacroRecord*& macro, TBGroupRecord*& group) {
    return ::getBGroupOrMacro(id, &macro, &group);
}

bool TovdataStoreAccess::addBGroup(const TBGroupRecord& record) { return ::addBGroup(&record); }
bool TovdataStoreAccess::addMacro(const TMacroRecord& record) { return ::addMacro(&record); }

// The store's buffer is overwritten by the next call: copied at once.
std::string TovdataStoreAccess::getNewBGroupID() { return ::getNewBGroupID(); }
std::string TovdataStoreAccess::getNewMacroID() { return ::getNewMacroID(); }

bool TovdataStoreAccess::deleteItem(const char* id) { return ::deleteItem(id); }
