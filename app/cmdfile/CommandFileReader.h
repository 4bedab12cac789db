// Reading the command file: its text split into items, and the records that
// the items' values make.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/cmdfile/CommandFileKeys.h"
#include "core/Records.h"

// The values read for one item, by key; a key absent from the file reads as "".
class ItemValues {
  public:
    const std::string& operator[](Key key) const { return values_[static_cast<std::size_t>(key)]; }
    void Set(Key key, std::string_view value) { values_[static_cast<std::size_t>(key)] = value; }

    // An ID beginning with "A" is a button group; any other is a macro.
    bool IsGroup() const { return (*this)[Key::ID].substr(0, 1) == "A"; }

  private:
    std::array<std::string, kKeyCount> values_;
};

// The items of a command file in file order. Lines end in CR LF, LF or CR
// alone, mixed as they come. Each item begins at an "ID:" line; lines before
// the first one belong to the first item, and a later line with the same key
// replaces the value. Lines without ":" or with a key not accepted are
// skipped, and a file without "ID:" holds no item.
std::vector<ItemValues> ReadCommandFile(std::string_view text);

// Fresh records from the values, texts cut to their fields. Flags are set
// by "1" alone, except CurrentWindow, LeaveWindow and OSD, which are also
// set when their value is empty or absent.
TBGroupRecord GroupRecordFrom(const ItemValues& values);
TMacroRecord MacroRecordFrom(const ItemValues& values);
