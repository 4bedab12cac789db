#include "editing/MacroModel.h"

#include <utility>

#include "core/CommandList.h"
#include "core/KeyNames.h"
#include "core/LaunchElement.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "editing/ClickDescription.h"

const DialogMessage kNoMoreSpace{"No more space for another action! You can chain macros!", "Add action",
                                 MessageIcon::Information};
const DialogMessage kCommaInCommand{"A command cannot hold a comma: commas separate the commands of a macro!",
                                    "Add action", MessageIcon::Information};
const DialogMessage kNoSpaceForRepeat{
    "No more space for the repeat marker! Remove an action or chain macros!", "Type of command execution",
    MessageIcon::Information};
const DialogMessage kSpecifyMacroName{"Please specify name for the macro!", "Add macro",
                                      MessageIcon::Information};
const DialogMessage kNoRoomForMacro{
    "Tovanix keeps at most 9,999 macros, and all of them are in use. This macro is not stored: delete a "
    "macro you no longer need, or cancel.",
    "Add macro", MessageIcon::Exclamation};
const char* const kCommandListHint =
    "The commands run from top to bottom. Double-click a LAUNCH command to change it.";

namespace {

// A row of a single comma is the comma key, stored as "".
constexpr std::string_view kCommaRow = ",";

std::string StoredRow(const std::string& row) { return row == kCommaRow ? std::string(kCommaElement) : row; }

std::string CommandsText(const std::vector<std::string>& rows, bool repeat) {
    std::vector<std::string> stored;
    for (const std::string& row : rows) stored.push_back(StoredRow(row));
    return WriteCommandList({repeat, JoinCommands(stored)});
}

// The program that the group's start macro launches first, without its
// folder; "" when there is none.
std::string StartMacroProgram(EditStore& store, const char* groupID) {
    const TBGroupRecord* group = store.getBGroup(groupID);
    if (!group || FieldText(group->MacroID).empty()) return {};
    const TMacroRecord* start = store.getMacro(group->MacroID);
    if (!start) return {};
    for (const std::string& element : SplitCommands(ReadCommandList(FieldText(start->Commands)).body)) {
        if (StartsWith(element, kLaunchPrefix)) return SplitLaunch(element, LaunchFolder::Strip).file;
    }
    return {};
}

}  // namespace

MacroModel::MacroModel(EditStore& store, const char* groupID, const char* macroID, bool editing)
    : store_(&store),
      groupID_(FixedText(groupID, kItemIDSize)),
      macroID_(FixedText(macroID, kItemIDSize)),
      editing_(editing),
      recordExists_(editing) {}

MacroModel MacroModel::ForAdd(EditStore& store, const char* groupID) {
    MacroModel model(store, groupID, "", false);
    model.osd = true;
    const std::string program = StartMacroProgram(store, model.groupID_.c_str());
    model.SetCurrentWindow(program.empty());
    model.targetApp = program;
    return model;
}

MacroModel MacroModel::ForEdit(EditStore& store, const char* macroID) {
    MacroModel model(store, "", macroID, true);
    if (const TMacroRecord* macro = store.getMacro(model.macroID_.c_str())) model.Load(*macro);
    return model;
}

void MacroModel::Load(const TMacroRecord& macro) {
    const CommandList list = ReadCommandList(FieldText(macro.Commands));
    // Blanks are kept: they belong to a key (CTRL+  is Ctrl+Space) or to typed text.
    rows_ = SplitCommands(list.body);
    for (std::string& row : rows_) {
        if (row == kCommaElement) row = kCommaRow;
    }
    SetCurrentWindow(macro.CurrentWindow != 0);
    if (!currentWindow_) {
        returnToPrevious = macro.LeaveWindow == 0;
        dontBring = macro.DontFocus != 0;
    }
    name = FieldText(macro.Name);
    targetApp = FieldText(macro.TargetFile);
    targetWindow = FieldText(macro.TargetCaption);
    disabled_ = macro.Disabled != 0;
    osd = macro.OSD != 0;
    hidden = macro.Hidden != 0;
    groupID_ = FieldText(macro.AppID);
    exec_ = list.repeat    ? ExecType::Repeat
            : macro.Select ? ExecType::Select
            : macro.Loop   ? ExecType::Loop
                           : ExecType::Normal;
    ApplyRowCount();
}

std::string MacroModel::Caption() const {
    const TBGroupRecord* group = groupID_.empty() ? nullptr : store_->getBGroup(groupID_.c_str());
    const TMacroRecord* macro = editing_ ? store_->getMacro(macroID_.c_str()) : nullptr;
    if (macro) {
        const std::string path = group ? std::string(FieldText(group->Name)) + "/" : std::string();
        return "Edit macro " + path + std::string(FieldText(macro->Name));
    }
    if (group) return "Add macro to group " + std::string(FieldText(group->Name));
    return "Add general macro";
}

bool MacroModel::OsdEnabled() const { return ReadSetting(setting::OSD) == 1; }

void MacroModel::SelectNode(std::string_view text, TreeLevel level) {
    nodeText_ = level == TreeLevel::None ? std::string() : std::string(text);
    level_ = level;
}

bool MacroModel::ModifierEnabled(Modifier modifier) const {
    return AddEnabled() && TakesModifiers(nodeText_) && modifiers_.Enabled(modifier);
}

std::optional<AddRequest> MacroModel::PrepareAdd() const {
    if (!AddEnabled()) return std::nullopt;
    const std::string prefix = TakesModifiers(nodeText_) ? modifiers_.Prefix() : std::string();
    return AddRequestFor(nodeText_, ReadSetting(setting::Plugins), prefix);
}

bool MacroModel::Fits(const std::vector<std::string>& rows, ExecType exec) const {
    return CommandsText(rows, exec == ExecType::Repeat).size() <= kMaxCommandListLength;
}

std::optional<DialogMessage> MacroModel::AddToken(const std::string& token) {
    if (token.empty()) return std::nullopt;
    if (token.find(',') != std::string::npos) return kCommaInCommand;
    std::vector<std::string> rows = rows_;
    rows.push_back(token);
    if (!Fits(rows, exec_)) return kNoMoreSpace;
    rows_ = std::move(rows);
    modifiers_.Clear();
    return std::nullopt;
}

void MacroModel::SelectRow(int row) {
    selectedRow_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

bool MacroModel::DeleteEnabled() const {
    return selectedRow_ >= 0 && selectedRow_ < static_cast<int>(rows_.size());
}

bool MacroModel::MoveEnabled() const { return DeleteEnabled() && rows_.size() >= 2; }

void MacroModel::DeleteRow() {
    if (!DeleteEnabled()) return;
    rows_.erase(rows_.begin() + selectedRow_);
    // The row that moved into its place stays selected, so that Delete can go on.
    SelectRow(selectedRow_ < static_cast<int>(rows_.size()) ? selectedRow_ : selectedRow_ - 1);
    ApplyRowCount();
}

void MacroModel::MoveUp() {
    if (!MoveEnabled() || selectedRow_ == 0) return;
    std::swap(rows_[selectedRow_], rows_[selectedRow_ - 1]);
    --selectedRow_;
}

void MacroModel::MoveDown() {
    if (!MoveEnabled() || selectedRow_ + 1 == static_cast<int>(rows_.size())) return;
    std::swap(rows_[selectedRow_], rows_[selectedRow_ + 1]);
    ++selectedRow_;
}

bool MacroModel::RowEditable(int row) const {
    // A plug-in may be called LAUNCHPAD: only the launch command itself.
    return row >= 0 && row < static_cast<int>(rows_.size()) && StartsWith(rows_[row], kLaunchPrefix);
}

std::optional<DialogMessage> MacroModel::ReplaceRow(int row, const std::string& token) {
    if (!RowEditable(row) || token.empty()) return std::nullopt;
    if (token.find(',') != std::string::npos) return kCommaInCommand;
    std::vector<std::string> rows = rows_;
    rows[row] = token;
    if (!Fits(rows, exec_)) return kNoMoreSpace;
    rows_ = std::move(rows);
    return std::nullopt;
}

std::string MacroModel::RowHint(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return kCommandListHint;
    const std::string& text = rows_[row];
    if (StartsWith(text, "CLICK")) {
        std::string description = describeClickCommand(text);
        if (!description.empty()) return description;
    }
    return text;
}

std::optional<DialogMessage> MacroModel::SetExec(ExecType exec) {
    if ((exec == ExecType::Select || exec == ExecType::Loop) && !SingleCommandTypesEnabled())
        return std::nullopt;
    if (exec == ExecType::Repeat && !Fits(rows_, exec)) return kNoSpaceForRepeat;
    exec_ = exec;
    return std::nullopt;
}

void MacroModel::ApplyRowCount() {
    if (!SingleCommandTypesEnabled() && (exec_ == ExecType::Select || exec_ == ExecType::Loop))
        exec_ = ExecType::Normal;
}

void MacroModel::SetCurrentWindow(bool current) {
    currentWindow_ = current;
    returnToPrevious = false;
    dontBring = false;
    if (current) {
        targetApp.clear();
        targetWindow.clear();
    }
}

void MacroModel::WindowChosen(std::string_view program, std::string_view caption) {
    SetCurrentWindow(false);
    targetApp = program;
    targetWindow = caption;
}

void MacroModel::SetDisabled(bool ticked) {
    const char* id = macroID_.c_str();
    if (ticked != store_->isDisabled(id)) store_->toggleDisableEnable(id);
    // The store refuses to enable a macro whose command clashes.
    disabled_ = ticked || store_->isDisabled(id);
}

bool MacroModel::EnsureRecord() {
    if (recordExists_) return true;
    TMacroRecord record = FreshMacroRecord();
    const std::string id = store_->getNewMacroID();
    CopyText(record.ID, id);
    if (id.empty() || !store_->addMacro(record)) return false;
    macroID_ = id;
    recordExists_ = true;
    return true;
}

std::optional<DialogMessage> MacroModel::StoreRecord() {
    if (!EnsureRecord()) return kNoRoomForMacro;
    TMacroRecord* macro = store_->getMacro(macroID_.c_str());
    if (!macro) return std::nullopt;
    for (std::string& row : rows_) row = StoredRow(row);
    CopyText(macro->AppID, groupID_);
    macro->CurrentWindow = currentWindow_;
    CopyText(macro->Commands, CommandsText(rows_, exec_ == ExecType::Repeat));
    CopyText(macro->Name, name);
    CopyText(macro->TargetFile, targetApp);
    CopyText(macro->TargetCaption, targetWindow);
    macro->DontFocus = dontBring;
    macro->Disabled = disabled_;
    macro->LeaveWindow = !returnToPrevious;
    macro->TargetWindow = 0;
    macro->OSD = osd;
    macro->Select = exec_ == ExecType::Select;
    macro->Loop = exec_ == ExecType::Loop;
    macro->Hidden = hidden;
    return std::nullopt;
}

std::optional<DialogMessage> MacroModel::Accept() {
    name = CommasToBlanks(name);
    if (name.empty()) return kSpecifyMacroName;
    return StoreRecord();
}

void MacroModel::Cancel() {
    if (!editing_ && recordExists_) store_->deleteItem(macroID_.c_str());
}
