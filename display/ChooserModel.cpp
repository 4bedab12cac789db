#include "display/ChooserModel.h"

#include "core/CommandList.h"
#include "core/LaunchElement.h"

std::string ChooserText(std::string_view element) {
    // Each rule applies to what the ones before made of the element.
    std::string text(element);
    if (StartsWith(text, "TYPE")) text = "Type: " + text.substr(std::min<std::size_t>(5, text.size()));
    if (StartsWith(text, "LAUNCH")) text = "Launch: " + SplitLaunch(text, LaunchFolder::Strip).file;
    if (StartsWith(text, "MACRO")) text = text.substr(std::min<std::size_t>(6, text.size()));
    if (StartsWith(text, "GROUP")) text = text.substr(std::min<std::size_t>(6, text.size()));
    if (StartsWith(text, kExitElement)) text = "Exit Windows";
    if (text == "\"\"") text = ",";
    if (text == " ") text = "Space";
    if (text == "REPEAT") text.clear();
    return text;
}

std::vector<ChooserEntry> ChooserEntries(std::string_view commands) {
    std::vector<ChooserEntry> entries;
    const std::vector<std::string> elements = SplitCommands(ReadCommandList(commands).body);
    for (std::size_t i = 0; i < elements.size(); ++i) {
        std::string text = ChooserText(elements[i]);
        if (!text.empty()) entries.push_back({std::move(text), static_cast<int>(i)});
    }
    return entries;
}

int ChooserLimit(int32_t cmdTime) {
    const int64_t time = cmdTime;
    int64_t ticks = time >= 0 ? time / 100 : -((99 - time) / 100);
    const int64_t rest = time - ticks * 100;
    if (rest > 50 || (rest == 50 && ticks % 2 != 0)) ++ticks;
    return static_cast<int>(ticks);
}

void ChooserState::Received() {
    ticks_ = 0;
    ++selected_;
    if (selected_ > static_cast<int>(entries_) - 1) selected_ = 0;
}

ChooserStep ChooserState::Tick() {
    const bool redraw = ticks_ <= 0;
    ++ticks_;
    if (ticks_ > limit_) return ChooserStep::Execute;
    return redraw ? ChooserStep::Redraw : ChooserStep::Wait;
}
