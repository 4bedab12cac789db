// The command chooser: the entries it lists for a macro's commands, the
// selection that each received button moves, and the silence after which
// the selected command runs. Counted in ticks of kChooserTickMs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr unsigned kChooserTickMs = 100;

struct ChooserEntry {
    std::string text;
    // The command's index in the macro's list as the executor counts it
    // (without a leading REPEAT), which is what runs when it is chosen.
    int command;
};

// One entry for each command of the list that shows as something: TYPE:
// text as "Type: " and the text, LAUNCH: as "Launch: " and the file's name
// without its folder, MACRO: and GROUP: as the name alone, EXIT as "Exit
// Windows", the comma key "" as ",", a blank as "Space"; empty commands and
// REPEAT show nothing and get no entry.
std::vector<ChooserEntry> ChooserEntries(std::string_view commands);

// The text of one command in the list (empty when it gets no entry).
std::string ChooserText(std::string_view element);

// The ticks of silence that CmdTime milliseconds make: CmdTime / 100,
// halves rounded to the even whole number (250 ms: 2 ticks).
int ChooserLimit(int32_t cmdTime);

enum class ChooserStep { Wait, Redraw, Execute };

class ChooserState {
  public:
    ChooserState(std::size_t entries, int limit) : entries_(entries), limit_(limit) {}

    // A button arrived (which one does not matter): the selection moves one
    // entry down, from the last back to the first, and the silence starts anew.
    void Received();
    // One tick: Redraw on the first tick of a silence, Execute once the
    // silence has lasted more than the limit, otherwise Wait.
    ChooserStep Tick();

    int Selected() const { return selected_; }

  private:
    std::size_t entries_;
    int limit_;
    int selected_ = 0;
    int ticks_ = 0;
};
