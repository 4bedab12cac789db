#include "app/cmdfile/CommandFileReader.h"

#include <optional>
#include <utility>

#include "core/TextLines.h"

namespace {

bool IsSet(const std::string& value) { return value == "1"; }
bool IsSetOrAbsent(const std::string& value) { return value.empty() || value == "1"; }

}  // namespace

std::vector<ItemValues> ReadCommandFile(std::string_view text) {
    std::vector<ItemValues> items;
    ItemValues collected;
    bool inItem = false;
    ForEachLine(text, [&](std::string_view line) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return;
        const std::optional<Key> key = FindKey(line.substr(0, colon + 1));
        if (!key) return;
        if (*key == Key::ID) {
            if (inItem) items.push_back(std::exchange(collected, ItemValues()));
            inItem = true;
        }
        collected.Set(*key, line.substr(colon + 1));
    });
    if (inItem) items.push_back(std::move(collected));
    return items;
}

TBGroupRecord GroupRecordFrom(const ItemValues& values) {
    TBGroupRecord group = FreshBGroupRecord();
    CopyText(group.ID, values[Key::ID]);
    CopyText(group.IRCommand, values[Key::IRCommand]);
    CopyText(group.Name, values[Key::Name]);
    CopyText(group.MacroID, values[Key::MacroID]);
    group.Disabled = IsSet(values[Key::Disabled]);
    return group;
}

TMacroRecord MacroRecordFrom(const ItemValues& values) {
    TMacroRecord macro = FreshMacroRecord();
    CopyText(macro.ID, values[Key::ID]);
    CopyText(macro.IRCommand, values[Key::IRCommand]);
    CopyText(macro.Commands, values[Key::Commands]);
    CopyText(macro.AppID, values[Key::AppID]);
    CopyText(macro.Name, values[Key::Name]);
    CopyText(macro.TargetFile, values[Key::TargetFile]);
    CopyText(macro.TargetCaption, values[Key::TargetCaption]);
    macro.Disabled = IsSet(values[Key::Disabled]);
    macro.DontFocus = IsSet(values[Key::DontFocus]);
    macro.Select = IsSet(values[Key::Select]);
    macro.Loop = IsSet(values[Key::Loop]);
    macro.Hidden = IsSet(values[Key::Hidden]);
    macro.CurrentWindow = IsSetOrAbsent(values[Key::CurrentWindow]);
    macro.LeaveWindow = IsSetOrAbsent(values[Key::LeaveWindow]);
    macro.OSD = IsSetOrAbsent(values[Key::OSD]);
    return macro;
}
