#include "store/ItemStore.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>
#include <vector>

#include "store/IRSequence.h"

namespace {

constexpr std::size_t kCommandSize = sizeof(TMacroRecord::IRCommand);

// The store's copies always end their texts within the field, whatever the
// caller handed in, so that readers of the shared records cannot run past them.
template <std::size_t N>
void Terminate(char (&field)[N]) {
    field[N - 1] = '\0';
}

TMacroRecord Terminated(TMacroRecord macro) {
    Terminate(macro.Name);
    Terminate(macro.AppID);
    Terminate(macro.IRCommand);
    Terminate(macro.Commands);
    Terminate(macro.TargetFile);
    Terminate(macro.TargetCaption);
    return macro;
}

TBGroupRecord Terminated(TBGroupRecord group) {
    Terminate(group.IRCommand);
    Terminate(group.Name);
    Terminate(group.MacroID);
    return group;
}

// Where an item is selected from: groups and general macros at all times,
// a group's macros while that group is active.
struct Place {
    bool group;
    std::string_view appID;
};

Place PlaceOf(const TBGroupRecord&) { return {true, {}}; }
Place PlaceOf(const TMacroRecord& macro) { return {false, FieldText(macro.AppID)}; }

// Whether items of two places can be selectable at the same time and compete
// for a command. A group and a general macro do: the macro would always win,
// leaving the group unreachable. A group and a group's macro do not: the macro
// wins only while its group is active.
bool LiveTogether(const Place& a, const Place& b) {
    if (a.group && b.group) return true;
    if (a.group || b.group) return (a.group ? b : a).appID.empty();
    return a.appID == b.appID || a.appID.empty() || b.appID.empty();
}

template <class Record, class Predicate>
Record* NextRecord(const std::vector<std::unique_ptr<Record>>& records, int& position, Predicate wanted) {
    for (std::size_t i = position < 0 ? 0 : std::size_t(position) + 1; i < records.size(); ++i) {
        if (wanted(*records[i])) {
            position = int(i);
            return records[i].get();
        }
    }
    return nullptr;
}

template <class Record>
Record* FindByName(const ItemList<Record>& list, const char* name) {
    if (name == nullptr || *name == '\0') return nullptr;
    const auto& records = list.records();
    const auto found = std::find_if(records.begin(), records.end(),
                                    [&](const auto& record) { return FieldText(record->Name) == name; });
    return found == records.end() ? nullptr : found->get();
}

// Runs action on the item's record, whichever its kind; none when no item has that ID.
template <class Result, class Action>
Result WithItem(const ItemStore& store, const char* id, Result none, Action action) {
    if (TMacroRecord* macro = store.getMacro(id)) return action(*macro);
    if (TBGroupRecord* group = store.getBGroup(id)) return action(*group);
    return none;
}

// The items whose command fits a received sequence. Exact ones have as many
// buttons as were received, by precedence: the active group's macros, general
// macros, groups. Longer ones may still be completed.
enum Precedence { kActiveGroup, kGeneral, kGroups, kPrecedences };

struct Tally {
    std::vector<std::string_view> exact[kPrecedences];
    int longer = 0;
    bool stale = false;
};

template <class Record>
void Scan(const CommandIndex<Record>& index, std::string_view scope,
          const std::vector<std::string_view>& received, Precedence precedence, Tally& tally) {
    const auto* bucket = index.find(scope, received.front());
    if (bucket == nullptr) return;
    for (const auto& entry : *bucket) {
        if (!CommandIndex<Record>::isCurrent(entry, scope)) {
            tally.stale = true;
            return;
        }
        if (entry.record->Disabled || !StartsWith(entry.buttons, received)) continue;
        if (entry.buttons.size() == received.size()) {
            tally.exact[precedence].push_back(FieldText(entry.record->ID));
        } else {
            ++tally.longer;
        }
    }
}

Tally Collect(const CommandIndex<TMacroRecord>& macros, const CommandIndex<TBGroupRecord>& groups,
              const std::string& activeGroup, const std::vector<std::string_view>& received) {
    Tally tally;
    if (!activeGroup.empty()) Scan(macros, activeGroup, received, kActiveGroup, tally);
    Scan(macros, {}, received, kGeneral, tally);
    Scan(groups, {}, received, kGroups, tally);
    return tally;
}

}  // namespace

TMacroRecord* ItemStore::getMacro(const char* id) const { return macros_.find(id); }

TBGroupRecord* ItemStore::getBGroup(const char* id) const { return groups_.find(id); }

bool ItemStore::getBGroupOrMacro(const char* id, TMacroRecord*& macro, TBGroupRecord*& group) const {
    macro = getMacro(id);
    group = getBGroup(id);
    return macro != nullptr || group != nullptr;
}

TBGroupRecord* ItemStore::getNextBGroup(int& position) const {
    return NextRecord(groups_.records(), position, [](const TBGroupRecord&) { return true; });
}

TMacroRecord* ItemStore::getNextMacro(int& position, const char* groupID, bool allMacros) const {
    TItemID group;
    CopyItemID(group, groupID);
    return NextRecord(macros_.records(), position, [&](const TMacroRecord& macro) {
        return allMacros || FieldText(macro.AppID) == FieldText(group);
    });
}

bool ItemStore::addMacro(const TMacroRecord& record) {
    indexStale_ = true;
    return macros_.add(Terminated(record)) != nullptr;
}

bool ItemStore::addBGroup(const TBGroupRecord& record) {
    indexStale_ = true;
    return groups_.add(Terminated(record)) != nullptr;
}

bool ItemStore::deleteItem(const char* id) {
    if (const TMacroRecord* macro = getMacro(id)) {
        macros_.removeIf([&](const TMacroRecord& record) { return &record == macro; });
    } else if (const TBGroupRecord* group = getBGroup(id)) {
        const std::string groupID(FieldText(group->ID));
        macros_.removeIf([&](const TMacroRecord& record) { return FieldText(record.AppID) == groupID; });
        groups_.removeIf([&](const TBGroupRecord& record) { return &record == group; });
        if (activeGroup_ == groupID) activeGroup_.clear();
    } else {
        return false;
    }
    indexStale_ = true;
    return true;
}

bool ItemStore::doesBGroupHaveChild(const char* id) const {
    const TBGroupRecord* group = getBGroup(id);
    int position = -1;
    return group != nullptr && getNextMacro(position, group->ID, false) != nullptr;
}

std::string ItemStore::getNewMacroID() const { return macros_.freshID(); }

std::string ItemStore::getNewBGroupID() const { return groups_.freshID(); }

std::string ItemStore::getNewestItem(int kind) const {
    const auto newest = [](const auto& list) {
        return list.records().empty() ? std::string() : std::string(FieldText(list.records().back()->ID));
    };
    switch (kind) {
        case 0:
            return newest(groups_);
        case 1:
            return newest(macros_);
        default:
            return {};
    }
}

bool ItemStore::setIRCommand(const char* id, const char* text) {
    indexStale_ = true;
    return WithItem(*this, id, false, [&](auto& item) {
        CopyText(item.IRCommand, FixedText(text, kCommandSize));
        return true;
    });
}

bool ItemStore::checkIRCommandConflict(const char* id, const char* command, bool learning) {
    // The learn dialog and paste write IRCommand in place right after asking.
    indexStale_ = true;
    const Sequence wanted = ParseSequence(FixedText(command, kCommandSize));
    return WithItem(*this, id, false,
                    [&](const auto& item) { return clashingItem(item, wanted, !learning).empty(); });
}

bool ItemStore::toggleDisableEnable(const char* id) {
    if (!enableClash(id).empty()) return false;
    return WithItem(*this, id, false, [&](auto& item) {
        item.Disabled = item.Disabled ? 0 : 1;
        return true;
    });
}

std::string ItemStore::enableClash(const char* id) const {
    return WithItem(*this, id, std::string(), [&](const auto& item) {
        return item.Disabled ? clashingItem(item, ParseSequence(FieldText(item.IRCommand)), false)
                             : std::string();
    });
}

bool ItemStore::isDisabled(const char* id) const {
    return WithItem(*this, id, false, [](const auto& item) { return item.Disabled != 0; });
}

TMacroRecord* ItemStore::findMacroByName(const char* name) const { return FindByName(macros_, name); }

TBGroupRecord* ItemStore::findBGroupByName(const char* name) const { return FindByName(groups_, name); }

CommandMatch ItemStore::findItemByCommand(const char* sequence, bool final) {
    const std::vector<std::string_view> received = Split(sequence == nullptr ? "" : sequence, ';');
    if (indexStale_) rebuildIndex();
    Tally tally = Collect(macroIndex_, groupIndex_, activeGroup_, received);
    if (tally.stale) {
        rebuildIndex();
        tally = Collect(macroIndex_, groupIndex_, activeGroup_, received);
    }
    // Only the exact matches of the highest precedence compete.
    const auto winners = std::find_if(std::begin(tally.exact), std::end(tally.exact),
                                      [](const auto& ids) { return !ids.empty(); });
    const std::size_t exact = winners == std::end(tally.exact) ? 0 : winners->size();
    CommandMatch match;
    if (exact == 1 && (final || tally.longer == 0)) {
        match.id = winners->front();
        match.count = 1;
    } else {
        match.count = int(exact) + (final ? 0 : tally.longer);
    }
    return match;
}

void ItemStore::activateBGroup(const char* id) {
    if (const TBGroupRecord* group = getBGroup(id)) activeGroup_ = FieldText(group->ID);
}

template <class Record>
std::string ItemStore::clashingItem(const Record& item, const Sequence& command, bool withDisabled) const {
    const Place place = PlaceOf(item);
    const auto clashIn = [&](const auto& list) {
        for (const auto& other : list.records())
            if (static_cast<const void*>(other.get()) != &item && (withDisabled || !other->Disabled) &&
                LiveTogether(place, PlaceOf(*other)) &&
                Clash(command, ParseSequence(FieldText(other->IRCommand))))
                return std::string(FieldText(other->ID));
        return std::string();
    };
    std::string found = clashIn(groups_);
    return found.empty() ? clashIn(macros_) : found;
}

void ItemStore::rebuildIndex() {
    groupIndex_.clear();
    macroIndex_.clear();
    for (const auto& group : groups_.records()) groupIndex_.add(*group);
    for (const auto& macro : macros_.records()) macroIndex_.add(*macro);
    indexStale_ = false;
}
