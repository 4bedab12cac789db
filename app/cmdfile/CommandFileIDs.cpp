#include "app/cmdfile/CommandFileIDs.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "store/ItemIDs.h"

namespace {

constexpr std::size_t kNone = std::size_t(-1);

// What an ID or a link names: a well-formed ID however many zeros lead its
// number, anything else by its text exactly as written.
std::string LinkKey(std::string_view text, char letter) {
    const int number = WrittenIDNumber(text, letter);
    return number != 0 ? MakeID(letter, number) : std::string(text);
}

// The numbers of one kind. A new ID takes a number that no item holds and
// no link of the file names, so that a link to an item missing from the
// file never comes to name a renumbered one. Like the store, it goes above
// the highest number held first and then takes the lowest free one.
class Numbers {
  public:
    explicit Numbers(HeldNumbers held) : held_(std::move(held)), named_(kMaxItemNumber + 1, false) {
        held_.resize(kMaxItemNumber + 1, false);
        held_[0] = true;
    }

    // A link, as written and as a record holds it (cut to the ID field).
    void Name(std::string_view link, char letter) {
        named_[WrittenIDNumber(link, letter)] = true;
        named_[WrittenIDNumber(link.substr(0, kItemIDSize - 1), letter)] = true;
    }

    // Holds the number when it is free (0 never is).
    bool Claim(int number) {
        if (held_[number]) return false;
        held_[number] = true;
        return true;
    }

    // 0 when every number is held or named.
    int Fresh() {
        if (next_ == 0) {
            next_ = kMaxItemNumber;
            while (!held_[next_]) --next_;
            ++next_;
        }
        for (;;) {
            while (next_ <= kMaxItemNumber && (held_[next_] || named_[next_])) ++next_;
            if (next_ <= kMaxItemNumber) {
                held_[next_] = true;
                return next_++;
            }
            if (wrapped_) return 0;
            wrapped_ = true;
            next_ = 1;
        }
    }

  private:
    HeldNumbers held_;
    std::vector<bool> named_;
    int next_ = 0;
    bool wrapped_ = false;
};

struct Entry {
    bool group = false;
    std::string key;            // LinkKey of the file's ID
    std::size_t block = kNone;  // a macro's place: the group laid out last before it
    int number = 0;             // of the final ID; 0: left out
    bool taken = false;         // the file's ID is well-formed but held already
};

class Planner {
  public:
    Planner(const std::vector<ItemValues>& items, HeldNumbers heldGroups, HeldNumbers heldMacros)
        : items_(items), groupNumbers_(std::move(heldGroups)), macroNumbers_(std::move(heldMacros)) {}

    StartLoadPlan Plan() {
        ClaimWrittenIDs();
        NumberTheOthers();
        return Records();
    }

  private:
    // Groups first: a macro whose group is left out goes with it.
    void NumberTheOthers() {
        for (Entry& entry : entries_)
            if (entry.group && entry.number == 0) entry.number = groupNumbers_.Fresh();
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            Entry& entry = entries_[i];
            if (entry.group) continue;
            const std::size_t group = GroupOf(i);
            if (group != kNone && entries_[group].number == 0) {
                entry.number = 0;
            } else if (entry.number == 0) {
                entry.number = macroNumbers_.Fresh();
            }
        }
    }

    StartLoadPlan Records() const {
        StartLoadPlan plan;
        const auto groups = std::size_t(
            std::count_if(entries_.begin(), entries_.end(), [](const Entry& entry) { return entry.group; }));
        plan.groups.reserve(groups);
        plan.macros.reserve(entries_.size() - groups);
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].number == 0) {
                ++plan.itemsLeftOut;
            } else if (entries_[i].group) {
                plan.groups.push_back(GroupRecord(i, plan.changedIDs));
            } else {
                plan.macros.push_back(MacroRecord(i, plan));
            }
        }
        return plan;
    }

    // In file order the first item with a well-formed free ID keeps it.
    void ClaimWrittenIDs() {
        entries_.resize(items_.size());
        std::size_t block = kNone;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const ItemValues& values = items_[i];
            Entry& entry = entries_[i];
            entry.group = values.IsGroup();
            const char letter = entry.group ? 'A' : 'M';
            entry.key = LinkKey(values[Key::ID], letter);
            if (entry.group) block = i;
            entry.block = entry.group ? kNone : block;
            (entry.group ? firstGroup_ : firstMacro_).emplace(entry.key, i);
            const int written = WrittenIDNumber(values[Key::ID], letter);
            if ((entry.group ? groupNumbers_ : macroNumbers_).Claim(written)) {
                entry.number = written;
            } else {
                entry.taken = written != 0;
            }
            if (entry.group) macroNumbers_.Name(values[Key::MacroID], 'M');
        }
    }

    // The group a macro's AppID names: the group it follows in the file when
    // that one has the ID (a duplicate takes its macros along), else the
    // first group of the file with the ID; kNone for none.
    std::size_t GroupOf(std::size_t macro) const {
        const std::string& appID = items_[macro][Key::AppID];
        if (appID.empty()) return kNone;
        const std::string key = LinkKey(appID, 'A');
        const std::size_t block = entries_[macro].block;
        if (block != kNone && entries_[block].key == key) return block;
        const auto found = firstGroup_.find(key);
        return found == firstGroup_.end() ? kNone : found->second;
    }

    // The macro a group's MacroID names: the first one with the ID among the
    // group's own macros that follow it, else the first one of the file.
    std::size_t StartMacroOf(std::size_t group) const {
        const std::string& macroID = items_[group][Key::MacroID];
        if (macroID.empty()) return kNone;
        const std::string key = LinkKey(macroID, 'M');
        for (std::size_t i = group + 1; i < entries_.size() && !entries_[i].group; ++i)
            if (entries_[i].key == key && GroupOf(i) == group) return i;
        const auto found = firstMacro_.find(key);
        return found == firstMacro_.end() ? kNone : found->second;
    }

    // The final ID, noted when it differs from the file's.
    std::string FinalID(std::size_t index, std::string_view name, std::vector<IDChange>& changes) const {
        const Entry& entry = entries_[index];
        const std::string id = MakeID(entry.group ? 'A' : 'M', entry.number);
        const std::string& written = items_[index][Key::ID];
        if (id != written) changes.push_back({entry.group, std::string(name), written, id, entry.taken});
        return id;
    }

    // A start macro left out is cleared; one that the file does not hold
    // stays as written.
    std::string LinkTo(std::size_t target, char letter, const std::string& written) const {
        if (target == kNone) return written;
        return entries_[target].number == 0 ? std::string() : MakeID(letter, entries_[target].number);
    }

    TBGroupRecord GroupRecord(std::size_t index, std::vector<IDChange>& changes) const {
        TBGroupRecord group = GroupRecordFrom(items_[index]);
        CopyText(group.ID, FinalID(index, FieldText(group.Name), changes));
        CopyText(group.MacroID, LinkTo(StartMacroOf(index), 'M', items_[index][Key::MacroID]));
        return group;
    }

    TMacroRecord MacroRecord(std::size_t index, StartLoadPlan& plan) const {
        TMacroRecord macro = MacroRecordFrom(items_[index]);
        const std::string id = FinalID(index, FieldText(macro.Name), plan.changedIDs);
        CopyText(macro.ID, id);
        const std::string& appID = items_[index][Key::AppID];
        const std::size_t group = GroupOf(index);
        if (!appID.empty() && group == kNone)
            plan.madeGeneral.push_back({std::string(FieldText(macro.Name)), id, appID});
        CopyText(macro.AppID, group == kNone ? std::string() : MakeID('A', entries_[group].number));
        return macro;
    }

    const std::vector<ItemValues>& items_;
    Numbers groupNumbers_;
    Numbers macroNumbers_;
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> firstGroup_;  // by key
    std::unordered_map<std::string, std::size_t> firstMacro_;
};

}  // namespace

StartLoadPlan PlanStartLoad(const std::vector<ItemValues>& items, HeldNumbers heldGroups,
                            HeldNumbers heldMacros) {
    return Planner(items, std::move(heldGroups), std::move(heldMacros)).Plan();
}
