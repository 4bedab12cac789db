#include "editing/win/TovdataEditStore.h"

#include "store/tovdata.h"

TMacroRecord* TovdataEditStore::getMacro(const char* id) { return ::getMacro(id); }
TBGroupRecord* TovdataEditStore::getBGroup(const char* id) { return ::getBGroup(id); }
TBGroupRecord* TovdataEditStore::getNextBGroup(int& position) { return ::getNextBGroup(&position); }
TMacroRecord* TovdataEditStore::getNextMacro(int& position, const char* groupID) {
    return ::getNextMacro(&position, groupID, false);
}
// Learning: only enabled items can hold the command against it.
bool TovdataEditStore::checkIRCommandConflict(const char* id, const char* command) {
    return ::checkIRCommandConflict(id, command, true);
}
std::string TovdataEditStore::getNewMacroID() { return ::getNewMacroID(); }
std::string TovdataEditStore::getNewBGroupID() { return ::getNewBGroupID(); }
bool TovdataEditStore::addMacro(const TMacroRecord& record) { return ::addMacro(&record); }
bool TovdataEditStore::addBGroup(const TBGroupRecord& record) { return ::addBGroup(&record); }
bool TovdataEditStore::deleteItem(const char* id) { return ::deleteItem(id); }
bool TovdataEditStore::isDisabled(const char* id) { return ::isDisabled(id); }
bool TovdataEditStore::toggleDisableEnable(const char* id) { return ::toggleDisableEnable(id); }
