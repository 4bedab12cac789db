#include "app/cmdfile/CommandFileWriter.h"

#include <string_view>

#include "app/cmdfile/CommandFileKeys.h"

namespace {

void AppendLine(std::string& out, Key key, std::string_view value) {
    out += KeyText(key);
    for (char c : value) out += (c == '\r' || c == '\n') ? ' ' : c;
    out += "\r\n";
}

void AppendFlag(std::string& out, Key key, uint8_t flag) { AppendLine(out, key, flag ? "1" : "0"); }

}  // namespace

void AppendGroupLines(std::string& out, const TBGroupRecord& group) {
    AppendLine(out, Key::ID, FieldText(group.ID));
    AppendLine(out, Key::Name, FieldText(group.Name));
    AppendLine(out, Key::IRCommand, FieldText(group.IRCommand));
    AppendLine(out, Key::MacroID, FieldText(group.MacroID));
    AppendFlag(out, Key::Disabled, group.Disabled);
}

void AppendMacroLines(std::string& out, const TMacroRecord& macro) {
    AppendLine(out, Key::ID, FieldText(macro.ID));
    AppendLine(out, Key::Name, FieldText(macro.Name));
    AppendLine(out, Key::AppID, FieldText(macro.AppID));
    AppendLine(out, Key::IRCommand, FieldText(macro.IRCommand));
    AppendLine(out, Key::Commands, FieldText(macro.Commands));
    AppendFlag(out, Key::Disabled, macro.Disabled);
    AppendFlag(out, Key::CurrentWindow, macro.CurrentWindow);
    AppendLine(out, Key::TargetFile, FieldText(macro.TargetFile));
    AppendLine(out, Key::TargetCaption, FieldText(macro.TargetCaption));
    AppendFlag(out, Key::LeaveWindow, macro.LeaveWindow);
    AppendFlag(out, Key::DontFocus, macro.DontFocus);
    AppendFlag(out, Key::OSD, macro.OSD);
    AppendFlag(out, Key::Select, macro.Select);
    AppendFlag(out, Key::Loop, macro.Loop);
    AppendFlag(out, Key::Hidden, macro.Hidden);
}
