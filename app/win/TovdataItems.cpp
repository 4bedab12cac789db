#include "app/win/TovdataItems.h"

#include "store/tovdata.h"

TMacroRecord* TovdataItems::getMacro(const char* id) { return ::getMacro(id); }
TBGroupRecord* TovdataItems::getBGroup(const char* id) { return ::getBGroup(id); }
TMacroRecord* TovdataItems::findMacroByName(const char* name) { return ::findMacroByName(name); }
TBGroupRecord* TovdataItems::findBGroupByName(const char* name) { return ::findBGroupByName(name); }

ItemMatch TovdataItems::findItemByCommand(const char* sequence, bool final) {
    int count = 0;
    TItemID id = "";
    ::findItemByCommand(sequence, &count, final, id);
    return ItemMatch{std::string(FieldText(id)), count};
}

void TovdataItems::activateBGroup(const char* id) { ::activateBGroup(id); }
