// The button group editor's model: the group's name and its start macro,
// the macro that runs when the group is activated. A new group is created
// in the store by the first of "&New...", "&Learn..." and OK, each of which
// needs its name first; choosing the start macro reaches the store at once.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/DialogMessage.h"
#include "editing/EditStore.h"

inline constexpr std::size_t kMaxGroupNameLength = sizeof(TBGroupRecord::Name) - 1;

extern const DialogMessage kSpecifyGroupName;
extern const DialogMessage kNoRoomForGroup;

// An entry of the start macro list: a macro's name and its number (the ID
// without its "M"); the first entry is empty and means no start macro.
struct StartMacroEntry {
    std::string name;
    std::optional<int> number;
};

class ButtonGrpModel {
  public:
    static ButtonGrpModel ForAdd(EditStore& store);
    // Nothing when the store has no such group: the dialog is not shown.
    static std::optional<ButtonGrpModel> ForEdit(EditStore& store, const char* groupID);

    const std::string& Caption() const { return caption_; }
    const std::string& GroupID() const { return groupID_; }

    std::string name;  // "Name of the &button group:"

    const std::vector<StartMacroEntry>& Entries() const { return entries_; }
    int Selected() const { return selected_; }  // -1: none
    // "&Edit..." needs a macro chosen.
    bool EditEnabled() const;
    // Makes the entry the group's start macro.
    void Choose(int entry);

    // Creates the group when it is not in the store yet; before "&New..."
    // (newMacro for GroupID()) and "&Learn..." (learn for GroupID()).
    // Commas in the name become blanks. Refused, with nothing stored, for
    // a name of blanks only or when the store has no room for a group.
    std::optional<DialogMessage> EnsureGroup();
    // After the macro editor closed with OK for this macro ("&New..." or
    // "&Edit..."): the list is filled again and the macro becomes the
    // start macro.
    void MacroSaved(const char* macroID);
    // "&Edit...": the start macro to edit; "" when the store has none.
    std::string StartMacroToEdit() const;

    // OK: refused as EnsureGroup refuses (the name is checked for an
    // existing group too). Otherwise the name is stored.
    std::optional<DialogMessage> Accept();

  private:
    ButtonGrpModel(EditStore& store, std::string groupID, std::string caption);
    void FillEntries();
    void SelectMacro(std::string_view macroID);

    EditStore* store_;
    std::string groupID_;  // "" while a new group is not in the store
    std::string caption_;
    std::vector<StartMacroEntry> entries_;
    int selected_ = -1;
};
