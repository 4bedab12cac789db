// The records of one kind in the order they were added, each in its own
// allocation so that a pointer handed out stays valid until the record is
// removed, however many records come and go around it.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/Records.h"
#include "store/ItemIDs.h"

template <class Record>
class ItemList {
  public:
    explicit ItemList(char letter) : letter_(letter), byNumber_(kMaxItemNumber + 1, nullptr) {}

    const std::vector<std::unique_ptr<Record>>& records() const { return records_; }

    Record* find(const char* id) const { return byNumber_[IDNumber(id, letter_)]; }

    // New numbers go above every number held during this run, so that a
    // deleted item's ID does not come back (the button panel keeps IDs).
    // Once the top number is reached, the lowest free number is reused.
    // Empty when every number is taken.
    std::string freshID() const {
        if (highest_ < kMaxItemNumber) return MakeID(letter_, highest_ + 1);
        // Asked again and again by an import into a full store: no search then.
        if (records_.size() >= std::size_t(kMaxItemNumber)) return {};
        const auto free = std::find(byNumber_.begin() + 1, byNumber_.end(), nullptr);
        return free == byNumber_.end() ? std::string() : MakeID(letter_, int(free - byNumber_.begin()));
    }

    // Keeps the record's ID when it is well-formed and free; otherwise the
    // record gets a fresh one, so that no two items ever share an ID.
    // Null when every number is taken.
    Record* add(const Record& record) {
        int number = IDNumber(record.ID, letter_);
        if (number == 0 || byNumber_[number] != nullptr) number = IDNumber(freshID().c_str(), letter_);
        if (number == 0) return nullptr;
        auto stored = std::make_unique<Record>(record);
        CopyText(stored->ID, MakeID(letter_, number));
        byNumber_[number] = stored.get();
        highest_ = std::max(highest_, number);
        records_.push_back(std::move(stored));
        return records_.back().get();
    }

    // Removes the records for which remove(record) is true; returns how many.
    template <class Predicate>
    std::size_t removeIf(Predicate remove) {
        const auto kept = std::stable_partition(records_.begin(), records_.end(),
                                                [&](const auto& record) { return !remove(*record); });
        const std::size_t count = std::size_t(records_.end() - kept);
        for (auto it = kept; it != records_.end(); ++it) byNumber_[IDNumber((*it)->ID, letter_)] = nullptr;
        records_.erase(kept, records_.end());
        return count;
    }

  private:
    char letter_;
    std::vector<std::unique_ptr<Record>> records_;
    std::vector<Record*> byNumber_;  // index 0 stands for "no such ID" and stays null
    int highest_ = 0;
};
