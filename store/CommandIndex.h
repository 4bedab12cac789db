// Finds the records of one kind and scope whose IR command can begin with a
// received button, without walking the other records: they are filed by
// scope (a macro's AppID, "" for general macros and for every group) and by
// each variant of their first button. The store keeps one index per kind.
//
// The index keeps the command text it filed each record under, because
// callers change records in place: an entry whose record no longer has that
// text or that scope is stale, and the owner then builds the index anew.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Records.h"
#include "store/IRSequence.h"

inline std::string_view ScopeOf(const TBGroupRecord&) { return {}; }
inline std::string_view ScopeOf(const TMacroRecord& macro) { return FieldText(macro.AppID); }

template <class Record>
class CommandIndex {
  public:
    struct Entry {
        const Record* record;
        std::string command;
        Sequence buttons;
    };
    using Bucket = std::vector<Entry>;

    void clear() { scopes_.clear(); }

    void add(const Record& record) {
        const std::string_view command = FieldText(record.IRCommand);
        if (command.empty()) return;
        const Sequence buttons = ParseSequence(command);
        auto& byVariant = scopes_[std::string(ScopeOf(record))];
        const Button& first = buttons.front();
        for (auto variant = first.begin(); variant != first.end(); ++variant) {
            if (std::find(first.begin(), variant, *variant) != variant) continue;  // listed twice
            byVariant[*variant].push_back(Entry{&record, std::string(command), buttons});
        }
    }

    const Bucket* find(std::string_view scope, std::string_view firstButton) const {
        const auto byVariant = scopes_.find(std::string(scope));
        if (byVariant == scopes_.end()) return nullptr;
        const auto bucket = byVariant->second.find(std::string(firstButton));
        return bucket == byVariant->second.end() ? nullptr : &bucket->second;
    }

    static bool isCurrent(const Entry& entry, std::string_view scope) {
        return FieldText(entry.record->IRCommand) == entry.command && ScopeOf(*entry.record) == scope;
    }

  private:
    std::unordered_map<std::string, std::unordered_map<std::string, Bucket>> scopes_;
};
