// A dialog's binding table: each line ties one control to one field of the
// dialog's model. The dialog base (TDialog::Bind) shows the fields in their
// controls when the dialog opens and stores them back on OK; this half holds
// what needs no window: what each control is to show and the rules by which
// what it shows goes back into the field, refusals included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ComboData.h"
#include "core/DialogMessage.h"
#include "core/Settings.h"

enum class BindingKind {
    Number,      // an edit with a whole number; out of range: refused
    UpDown,      // an up-down's position, within its range by its own doing
    TrackBar,    // a track bar's position, likewise
    Check,       // a check box
    Text,        // an edit with any text
    ComboValue,  // a drop-down list whose entries carry values (TComboBox2)
};

struct Binding {
    int control = 0;
    BindingKind kind = BindingKind::Text;
    int32_t* number = nullptr;    // Number, UpDown, TrackBar, ComboValue
    bool* check = nullptr;        // Check
    std::string* text = nullptr;  // Text
    int32_t minimum = 0;          // Number, UpDown, TrackBar
    int32_t maximum = 0;
    int step = 1;                       // UpDown: one click's change; TrackBar: between tick marks
    std::size_t limit = 0;              // Text: most characters typed; 0 for no limit
    const ComboData* values = nullptr;  // ComboValue: the entries' values
};

// The lines of a table, one call each.
namespace bind {
Binding Number(int edit, int32_t& field, int32_t minimum, int32_t maximum);
Binding Number(int edit, int32_t& field, const IntSetting& range);
Binding UpDown(int upDown, int32_t& field, int32_t minimum, int32_t maximum, int step = 1);
Binding TrackBar(int trackBar, int32_t& field, int32_t minimum, int32_t maximum, int tickEvery);
Binding Check(int button, bool& field);
Binding Text(int edit, std::string& field, std::size_t limit = 0);
Binding ComboValue(int combo, int32_t& field, const ComboData& values);
}  // namespace bind

// What one control shows; only the member of its binding's kind counts.
struct ControlState {
    std::string text;      // Number, Text
    int32_t position = 0;  // UpDown, TrackBar
    bool checked = false;  // Check
    int index = -1;        // ComboValue: the selected entry, -1 for none
};

// The field as its control is to show it: a number out of an up-down's or
// a track bar's range at its nearest end, a value that no entry carries as no selection.
ControlState ShownState(const Binding& binding);

struct BindingRefusal {
    std::size_t line;  // the table line whose control gets the focus
    DialogMessage message;
};

// Stores what the controls show (states[i] of table[i]) in the fields; when
// a line refuses its control's value, stores nothing and returns the first
// such refusal, its message under caption.
std::optional<BindingRefusal> StoreStates(const std::vector<Binding>& table,
                                          const std::vector<ControlState>& states,
                                          const std::string& caption);
