#include "display/ButtonList.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "core/Text.h"
#include "core/TextLines.h"

namespace {

// The values of one entry as the file has them, before they are checked.
struct RawEntry {
    std::string id, mid, x, y, w, h, cap, pic;
    bool hasKeys = false;
};

// Whole decimal numbers only; anything else (an empty text among it) is 0.
int32_t NumberOf(const std::string& text) {
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end ? value : 0;
}

int32_t SizeOf(const std::string& text) {
    const int32_t size = NumberOf(text);
    return size < kMinButtonSize ? kNewButtonSize : size;
}

TBtnEntry Complete(const RawEntry& raw) {
    TBtnEntry entry;
    entry.ID = NumberOf(raw.id);
    entry.X = NumberOf(raw.x);
    entry.Y = NumberOf(raw.y);
    entry.W = SizeOf(raw.w);
    entry.H = SizeOf(raw.h);
    CopyText(entry.MID, raw.mid);
    CopyText(entry.CAP, raw.cap);
    CopyText(entry.PIC, raw.pic);
    return entry;
}

// Gives every entry whose ID an earlier one has a number of its own, the one
// NextButtonID would give, with one pass over the list.
void RenumberRepeatedIDs(TBtnList& list) {
    std::unordered_set<int32_t> taken;
    taken.reserve(list.size());
    int32_t highest = 0;
    for (const TBtnEntry& entry : list) {
        taken.insert(entry.ID);
        highest = std::max(highest, entry.ID);
    }
    std::unordered_set<int32_t> seen;
    seen.reserve(list.size());
    // Past the largest number the lowest free ones, found by a search that only moves up.
    int32_t lowestFree = 1;
    for (TBtnEntry& entry : list) {
        if (seen.insert(entry.ID).second) continue;
        if (highest < INT32_MAX) {
            entry.ID = ++highest;
        } else {
            while (taken.count(lowestFree)) ++lowestFree;
            entry.ID = lowestFree;
        }
        taken.insert(entry.ID);
        seen.insert(entry.ID);
    }
}

// The keys after "ID:"; no key is the start of another.
struct Key {
    std::string_view prefix;
    std::string RawEntry::*value;
};
constexpr Key kKeys[] = {{"MID:", &RawEntry::mid}, {"X:", &RawEntry::x}, {"Y:", &RawEntry::y},
                         {"W:", &RawEntry::w},     {"H:", &RawEntry::h}, {"CAP:", &RawEntry::cap},
                         {"PIC:", &RawEntry::pic}};

}  // namespace

TBtnList ReadButtonList(std::string_view text) {
    std::vector<RawEntry> raw;
    ForEachLine(text, [&](std::string_view line) {
        constexpr std::string_view kID = "ID:";
        if (line.substr(0, kID.size()) == kID) {
            raw.push_back({});
            raw.back().id = line.substr(kID.size());
            return;
        }
        if (raw.empty()) return;  // before the first entry
        for (const Key& key : kKeys)
            if (line.substr(0, key.prefix.size()) == key.prefix) {
                raw.back().*key.value = line.substr(key.prefix.size());
                raw.back().hasKeys = true;
                return;
            }
    });
    TBtnList list;
    list.reserve(raw.size());
    for (const RawEntry& entry : raw)
        if (!entry.id.empty() || entry.hasKeys) list.push_back(Complete(entry));
    RenumberRepeatedIDs(list);
    return list;
}

bool NothingReadFrom(std::string_view text, const TBtnList& list) {
    return list.empty() && text.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

std::string WriteButtonList(const TBtnList& list) {
    std::string text;
    for (const TBtnEntry& entry : list) {
        text += "ID:" + std::to_string(entry.ID) + "\r\n";
        text += "X:" + std::to_string(entry.X) + "\r\n";
        text += "Y:" + std::to_string(entry.Y) + "\r\n";
        text += "W:" + std::to_string(entry.W) + "\r\n";
        text += "H:" + std::to_string(entry.H) + "\r\n";
        text += "MID:" + std::string(FieldText(entry.MID)) + "\r\n";
        text += "CAP:" + std::string(FieldText(entry.CAP)) + "\r\n";
        text += "PIC:" + std::string(FieldText(entry.PIC)) + "\r\n";
    }
    return text;
}

int FindButton(const TBtnList& list, int32_t id) {
    for (int i = static_cast<int>(list.size()) - 1; i >= 0; --i)
        if (list[i].ID == id) return i;
    return -1;
}

int32_t NextButtonID(const TBtnList& list) {
    int32_t highest = 0;
    for (const TBtnEntry& entry : list) highest = std::max(highest, entry.ID);
    if (highest < INT32_MAX) return highest + 1;
    // A file that holds the highest number: the lowest one still free.
    std::unordered_set<int32_t> taken;
    for (const TBtnEntry& entry : list) taken.insert(entry.ID);
    int32_t id = 1;
    while (taken.count(id)) ++id;
    return id;
}

int32_t AddButton(TBtnList& list, int32_t x, int32_t y) {
    TBtnEntry entry;
    entry.ID = NextButtonID(list);
    entry.X = x;
    entry.Y = y;
    entry.W = kNewButtonSize;
    entry.H = kNewButtonSize;
    list.push_back(entry);
    return entry.ID;
}
