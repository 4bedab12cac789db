// The buttons of the button panel and their file BTNLIST.TXT in the program
// folder: eight lines an entry, each a key and its value, lines written with
// CR LF (read also with LF or CR alone), values neither padded nor trimmed.
//
// A file that does not keep to the format still opens, and writing it back
// keeps every entry it had: lines before the first "ID:" line and lines with
// no known key are skipped, a number that is missing or not a whole number
// reads as 0, a width or height below the smallest a button can be (a 0
// among them) reads as the size of a new button, and an ID that an earlier
// entry already has gets the next free number, so that each button runs its
// own item. An "ID:" line with no number and nothing after it (a hand edit's
// leftover) is no entry.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TBtnEntry {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t W = 0;
    int32_t H = 0;
    int32_t ID = 0;
    // The assigned group ("A" and its number) or macro ("M" and its number).
    char MID[6] = {};
    // The path of a bitmap shown on the button.
    char PIC[256] = {};
    char CAP[51] = {};
};

using TBtnList = std::vector<TBtnEntry>;

inline constexpr const char* kButtonListFileName = "BTNLIST.TXT";
// A button narrower or lower than this springs back after a drag.
inline constexpr int32_t kMinButtonSize = 3;
// The size of a button that "Add button" makes.
inline constexpr int32_t kNewButtonSize = 21;
// The panel shows at most this many buttons, the first of the file; the
// others stay in the file as they are. It bounds the windows the panel makes.
inline constexpr std::size_t kMaxPanelButtons = 500;

// The entries of the file's text, in file order, in time linear in its size.
TBtnList ReadButtonList(std::string_view text);
// Whether the text holds more than blanks but gave no entry (keys in another
// letter case, no "ID:" line): writing the list back would lose it.
bool NothingReadFrom(std::string_view text, const TBtnList& list);
// The file's text: an empty list is an empty file.
std::string WriteButtonList(const TBtnList& list);

// The index of the last entry with that ID; -1 when there is none.
int FindButton(const TBtnList& list, int32_t id);
// One more than the highest ID (from 0 up, so 1 for an empty list); past the
// largest number, the lowest free one.
int32_t NextButtonID(const TBtnList& list);
// Appends a button of the new size at (x, y) with the next ID; returns that ID.
int32_t AddButton(TBtnList& list, int32_t x = 0, int32_t y = 0);
