// The export layer of tovdata.dll over one store for the whole process. A
// call that fails (only running out of memory can make one fail) answers
// like one that found nothing.
#include "store/tovdata.h"

#include <string>

#include "core/Guarded.h"
#include "store/ItemStore.h"

namespace {

ItemStore& Store() {
    static ItemStore store;
    return store;
}

void CopyID(char* target, const std::string& id) {
    if (target != nullptr) CopyItemID(*reinterpret_cast<TItemID*>(target), id.c_str());
}

const char* KeptID(TItemID& buffer, const std::string& id) {
    CopyItemID(buffer, id.c_str());
    return buffer;
}

}  // namespace

TMacroRecord* getMacro(const char* id) {
    return Guarded<TMacroRecord*>(nullptr, [&] { return Store().getMacro(id); });
}

TBGroupRecord* getBGroup(const char* id) {
    return Guarded<TBGroupRecord*>(nullptr, [&] { return Store().getBGroup(id); });
}

bool getBGroupOrMacro(const char* id, TMacroRecord** macro, TBGroupRecord** group) {
    return Guarded(false, [&] {
        TMacroRecord* foundMacro = nullptr;
        TBGroupRecord* foundGroup = nullptr;
        const bool found = Store().getBGroupOrMacro(id, foundMacro, foundGroup);
        if (macro != nullptr) *macro = foundMacro;
        if (group != nullptr) *group = foundGroup;
        return found;
    });
}

TBGroupRecord* getNextBGroup(int* position) {
    return Guarded<TBGroupRecord*>(
        nullptr, [&] { return position == nullptr ? nullptr : Store().getNextBGroup(*position); });
}

TMacroRecord* getNextMacro(int* position, const char* groupID, bool allMacros) {
    return Guarded<TMacroRecord*>(nullptr, [&] {
        return position == nullptr ? nullptr : Store().getNextMacro(*position, groupID, allMacros);
    });
}

bool addMacro(const TMacroRecord* record) {
    return Guarded(false, [&] { return record != nullptr && Store().addMacro(*record); });
}

bool addBGroup(const TBGroupRecord* record) {
    return Guarded(false, [&] { return record != nullptr && Store().addBGroup(*record); });
}

bool deleteItem(const char* id) {
    return Guarded(false, [&] { return Store().deleteItem(id); });
}

bool doesBGroupHaveChild(const char* id) {
    return Guarded(false, [&] { return Store().doesBGroupHaveChild(id); });
}

const char* getNewMacroID() {
    static TItemID buffer;
    return Guarded<const char*>("", [&] { return KeptID(buffer, Store().getNewMacroID()); });
}

const char* getNewBGroupID() {
    static TItemID buffer;
    return Guarded<const char*>("", [&] { return KeptID(buffer, Store().getNewBGroupID()); });
}

void getNewestItem(int kind, char* id) {
    CopyID(id, "");
    Guarded([&] { CopyID(id, Store().getNewestItem(kind)); });
}

bool setIRCommand(const char* id, const char* text) {
    return Guarded(false, [&] { return Store().setIRCommand(id, text); });
}

bool checkIRCommandConflict(const char* id, const char* command, bool learning) {
    return Guarded(false, [&] { return Store().checkIRCommandConflict(id, command, learning); });
}

bool toggleDisableEnable(const char* id) {
    return Guarded(false, [&] { return Store().toggleDisableEnable(id); });
}

void findEnableClash(const char* id, char* clashID) {
    CopyID(clashID, "");
    Guarded([&] { CopyID(clashID, Store().enableClash(id)); });
}

bool isDisabled(const char* id) {
    return Guarded(false, [&] { return Store().isDisabled(id); });
}

TMacroRecord* findMacroByName(const char* name) {
    return Guarded<TMacroRecord*>(nullptr, [&] { return Store().findMacroByName(name); });
}

TBGroupRecord* findBGroupByName(const char* name) {
    return Guarded<TBGroupRecord*>(nullptr, [&] { return Store().findBGroupByName(name); });
}

void findItemByCommand(const char* sequence, int* count, bool final, char* id) {
    const CommandMatch match =
        Guarded(CommandMatch(), [&] { return Store().findItemByCommand(sequence, final); });
    if (count != nullptr) *count = match.count;
    CopyID(id, match.id);
}

void activateBGroup(const char* id) {
    Guarded([&] { Store().activateBGroup(id); });
}
