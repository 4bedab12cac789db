#include "core/Binding.h"

#include <algorithm>

#include "core/NumberFields.h"

namespace bind {

Binding Number(int edit, int32_t& field, int32_t minimum, int32_t maximum) {
    Binding line{edit, BindingKind::Number};
    line.number = &field;
    line.minimum = minimum;
    line.maximum = maximum;
    return line;
}

Binding Number(int edit, int32_t& field, const IntSetting& range) {
    return Number(edit, field, range.minimum, range.maximum);
}

Binding UpDown(int upDown, int32_t& field, int32_t minimum, int32_t maximum, int step) {
    Binding line = Number(upDown, field, minimum, maximum);
    line.kind = BindingKind::UpDown;
    line.step = step;
    return line;
}

Binding TrackBar(int trackBar, int32_t& field, int32_t minimum, int32_t maximum, int tickEvery) {
    Binding line = UpDown(trackBar, field, minimum, maximum, tickEvery);
    line.kind = BindingKind::TrackBar;
    return line;
}

Binding Check(int button, bool& field) {
    Binding line{button, BindingKind::Check};
    line.check = &field;
    return line;
}

Binding Text(int edit, std::string& field, std::size_t limit) {
    Binding line{edit, BindingKind::Text};
    line.text = &field;
    line.limit = limit;
    return line;
}

Binding ComboValue(int combo, int32_t& field, const ComboData& values) {
    Binding line{combo, BindingKind::ComboValue};
    line.number = &field;
    line.values = &values;
    return line;
}

}  // namespace bind

namespace {

// A decimal whole number within the line's range.
std::optional<int32_t> NumberIn(const Binding& line, const std::string& text) {
    if (text.empty() || text[0] == '$') return std::nullopt;
    const std::optional<int32_t> number = ParseDialogInteger(text);
    if (!number || *number < line.minimum || *number > line.maximum) return std::nullopt;
    return number;
}

}  // namespace

ControlState ShownState(const Binding& line) {
    ControlState state;
    switch (line.kind) {
        case BindingKind::Number:
            state.text = std::to_string(*line.number);
            break;
        case BindingKind::UpDown:
        case BindingKind::TrackBar:
            state.position = std::clamp(*line.number, line.minimum, line.maximum);
            break;
        case BindingKind::Check:
            state.checked = *line.check;
            break;
        case BindingKind::Text:
            state.text = *line.text;
            break;
        case BindingKind::ComboValue:
            state.index = line.values->IndexOf(*line.number);
            break;
    }
    return state;
}

std::optional<BindingRefusal> StoreStates(const std::vector<Binding>& table,
                                          const std::vector<ControlState>& states,
                                          const std::string& caption) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Binding& line = table[i];
        if (line.kind == BindingKind::Number && !NumberIn(line, states[i].text)) {
            const std::string text = "Enter a number from " + std::to_string(line.minimum) + " to " +
                                     std::to_string(line.maximum) + ".";
            return BindingRefusal{i, {text, caption, MessageIcon::Exclamation}};
        }
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Binding& line = table[i];
        const ControlState& state = states[i];
        switch (line.kind) {
            case BindingKind::Number:
                *line.number = *NumberIn(line, state.text);
                break;
            case BindingKind::UpDown:
            case BindingKind::TrackBar:
                *line.number = std::clamp(state.position, line.minimum, line.maximum);
                break;
            case BindingKind::Check:
                *line.check = state.checked;
                break;
            case BindingKind::Text:
                *line.text = state.text;
                break;
            case BindingKind::ComboValue:
                *line.number = line.values->Value(state.index);
                break;
        }
    }
    return std::nullopt;
}
