// The button groups and macros of the running program. The store owns every
// record; callers read and change them in place through the pointers it hands
// out, which stay valid until the item is deleted.
//
// Identifiers are taken as `const char*` of which at most 5 characters are
// read, so a record pointer, a 6-byte buffer or null all serve. Unknown,
// empty or malformed identifiers find nothing. A stored record's ID must not
// be changed in place.
//
// How received buttons select items is described for users in
// docs/remote-buttons.md. The look-up reads Disabled and the active group
// live, and finds candidates through an index (CommandIndex) of IRCommand and
// AppID. The index is built anew at the next look-up after any change the
// store sees: adding, deleting, setIRCommand, and checkIRCommandConflict,
// which the learn dialog and paste call right before they write IRCommand in
// place. A change made in place without any of these is seen as soon as a
// look-up meets the record under its old first button, or at the next rebuild.
#pragma once

#include <string>

#include "core/Records.h"
#include "store/CommandIndex.h"
#include "store/ItemList.h"

// The answer of findItemByCommand: the item to run now (or "") and how many
// items the received sequence may still select.
struct CommandMatch {
    std::string id;
    int count = 0;
};

class ItemStore {
  public:
    TMacroRecord* getMacro(const char* id) const;
    TBGroupRecord* getBGroup(const char* id) const;
    bool getBGroupOrMacro(const char* id, TMacroRecord*& macro, TBGroupRecord*& group) const;

    // Walks the store order from position -1; null at the end. getNextMacro
    // returns the macros whose AppID equals groupID (null or "": the general
    // macros), or every macro with allMacros.
    TBGroupRecord* getNextBGroup(int& position) const;
    TMacroRecord* getNextMacro(int& position, const char* groupID, bool allMacros) const;

    // Stores a copy. A copy whose ID is malformed or already held gets a new
    // one; false when all 9999 numbers of its kind are taken.
    bool addMacro(const TMacroRecord& record);
    bool addBGroup(const TBGroupRecord& record);

    // Removes the item; a group takes its macros with it.
    bool deleteItem(const char* id);

    bool doesBGroupHaveChild(const char* id) const;

    // An ID that no item holds, "" when all are taken. Until it is added,
    // asking again gives the same ID.
    std::string getNewMacroID() const;
    std::string getNewBGroupID() const;

    // The ID of the newest item still stored of that kind (0 group, 1 macro).
    std::string getNewestItem(int kind) const;

    bool setIRCommand(const char* id, const char* text);

    // True when the command may be stored for the item: no other item that
    // can be selectable at the same time would clash with it. learning (from
    // the learn dialog) weighs enabled items only; without it (paste) disabled
    // items count too, so that a pasted copy never takes a command that one of
    // its neighbours holds.
    bool checkIRCommandConflict(const char* id, const char* command, bool learning);

    // Flips Disabled. Enabling is refused (false) while the item's command
    // clashes with an enabled item, so that enabled items never clash.
    bool toggleDisableEnable(const char* id);
    // The enabled item whose command keeps this disabled item from being
    // enabled; "" when it can be enabled (or is not disabled).
    std::string enableClash(const char* id) const;
    bool isDisabled(const char* id) const;

    // The first item in store order with that Name; null for null or "".
    TMacroRecord* findMacroByName(const char* name) const;
    TBGroupRecord* findBGroupByName(const char* name) const;

    // sequence: the received buttons joined by ";". With final false (more
    // buttons may come) the item runs at once when it is the only one the
    // buttons select and no longer command starts with them; otherwise count
    // is the number of items the buttons may still select. With final true
    // (no more buttons came) the item the buttons select, count 1, or no ID
    // and the number of items they select alike.
    CommandMatch findItemByCommand(const char* sequence, bool final);

    // Makes the group's macros selectable; unknown IDs change nothing.
    void activateBGroup(const char* id);

  private:
    template <class Record>
    std::string clashingItem(const Record& item, const Sequence& command, bool withDisabled) const;
    void rebuildIndex();

    ItemList<TBGroupRecord> groups_{'A'};
    ItemList<TMacroRecord> macros_{'M'};
    std::string activeGroup_;
    CommandIndex<TBGroupRecord> groupIndex_;
    CommandIndex<TMacroRecord> macroIndex_;
    bool indexStale_ = false;
};
