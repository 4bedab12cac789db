// The macro editor's model: a macro's name, command list, type of
// execution, target window and flags, the enabling of the editor's
// controls, and how the editor writes the macro's record in the store.
//
// The record is created in the store only when the editor needs it (OK,
// "Learn..." and "Mouse click to location..."), so that the learn and the
// click-position dialogs can find the macro by its ID.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/DialogMessage.h"
#include "editing/CommandTree.h"
#include "editing/EditStore.h"
#include "editing/ModifierBoxes.h"

enum class ExecType { Normal, Repeat, Select, Loop };
enum class TreeLevel { None, Category, Command };

inline constexpr std::size_t kMaxMacroNameLength = sizeof(TMacroRecord::Name) - 1;

extern const DialogMessage kNoMoreSpace;
extern const DialogMessage kCommaInCommand;
extern const DialogMessage kNoSpaceForRepeat;
extern const DialogMessage kSpecifyMacroName;
extern const DialogMessage kNoRoomForMacro;
extern const char* const kCommandListHint;

class MacroModel {
  public:
    // A new macro of the group ("" for a general macro): "On screen
    // &display" ticked, and the target taken from the group's start macro.
    static MacroModel ForAdd(EditStore& store, const char* groupID);
    // The macro's record; an unknown ID opens an empty editor. IDs are read
    // as the store reads them, at most 5 characters.
    static MacroModel ForEdit(EditStore& store, const char* macroID);

    std::string Caption() const;
    const std::string& MacroID() const { return macroID_; }
    const std::string& GroupID() const { return groupID_; }

    // Plain fields of the controls.
    std::string name;
    std::string targetApp;     // "E&xecutable:"
    std::string targetWindow;  // "&Window caption:"
    bool returnToPrevious = false;
    bool dontBring = false;
    bool hidden = false;
    bool osd = false;
    bool OsdEnabled() const;  // the setting OSD

    // The command tree.
    void SelectNode(std::string_view text, TreeLevel level);
    bool AddEnabled() const { return level_ == TreeLevel::Command; }
    void SetModifier(Modifier modifier, bool ticked) { modifiers_.Set(modifier, ticked); }
    bool ModifierTicked(Modifier modifier) const { return modifiers_.Ticked(modifier); }
    bool ModifierEnabled(Modifier modifier) const;

    // "&Add": what the selected node needs; nothing when Add is disabled.
    // AddKind::Token: AddToken(request.token); a dialog's kind: AddToken of
    // its token; ClickToLocation: StoreRecord() before the dialog;
    // AddKind::Plugin: AddToken(PluginToken(base, what addPlugin wrote)).
    std::optional<AddRequest> PrepareAdd() const;
    // Appends the token as the last row and unticks the modifiers. An
    // empty token adds nothing; a token that would not fit the stored list
    // or that holds a comma is refused with the message.
    std::optional<DialogMessage> AddToken(const std::string& token);

    // The command list.
    const std::vector<std::string>& Rows() const { return rows_; }
    int SelectedRow() const { return selectedRow_; }
    void SelectRow(int row);
    bool DeleteEnabled() const;
    bool MoveEnabled() const;  // up and down
    void DeleteRow();
    // Nothing at the first or last place; the row stays selected.
    void MoveUp();
    void MoveDown();
    // Double-click: only LAUNCH: rows are edited, in the launch dialog.
    bool RowEditable(int row) const;
    std::optional<DialogMessage> ReplaceRow(int row, const std::string& token);
    // The list's hint for the row under the mouse (-1: none).
    std::string RowHint(int row) const;

    // Type of command execution. Repeat is refused when the marker would
    // not fit; Select and Loop need two rows.
    ExecType Exec() const { return exec_; }
    std::optional<DialogMessage> SetExec(ExecType exec);
    bool SingleCommandTypesEnabled() const { return rows_.size() >= 2; }

    // Target window: "C&urrent foreground window" empties and disables the
    // target fields and both boxes; "S&pecifiy" enables them, boxes unticked.
    bool CurrentWindow() const { return currentWindow_; }
    void SetCurrentWindow(bool current);
    bool TargetEnabled() const { return !currentWindow_; }
    // "S&et...": the program file name and caption that the select-window
    // dialog accepted.
    void WindowChosen(std::string_view program, std::string_view caption);

    // "Macro is d&isabled" goes to the store at once.
    bool Disabled() const { return disabled_; }
    void SetDisabled(bool ticked);

    // Creates the record when it is not in the store yet and writes the
    // editor into it; before "Learn..." and "Mouse click to location...".
    // Refused when the store has no room for another macro: the editor
    // keeps what the user made and stays open.
    std::optional<DialogMessage> StoreRecord();
    // OK: refused without a name (commas in it become blanks) or without
    // room in the store; otherwise the record is stored and the dialog
    // closes.
    std::optional<DialogMessage> Accept();
    // Cancel and the close box: a macro that this add created is removed.
    void Cancel();

  private:
    MacroModel(EditStore& store, const char* groupID, const char* macroID, bool editing);
    void Load(const TMacroRecord& macro);
    bool EnsureRecord();
    bool Fits(const std::vector<std::string>& rows, ExecType exec) const;
    void ApplyRowCount();

    EditStore* store_;
    std::string groupID_;
    std::string macroID_;
    bool editing_;
    bool recordExists_;

    std::string nodeText_;
    TreeLevel level_ = TreeLevel::None;
    ModifierBoxes modifiers_;
    std::vector<std::string> rows_;
    int selectedRow_ = -1;
    ExecType exec_ = ExecType::Normal;
    bool currentWindow_ = true;
    bool disabled_ = false;
};
