#include "core/Records.h"

ItemKind KindOfID(const char* id) {
    if (id == nullptr) return ItemKind::None;
    switch (id[0]) {
        case 'A':
            return ItemKind::Group;
        case 'M':
            return ItemKind::Macro;
        default:
            return ItemKind::None;
    }
}

TMacroRecord FreshMacroRecord() {
    TMacroRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

TBGroupRecord FreshBGroupRecord() {
    TBGroupRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

void CopyItemID(TItemID& target, const char* id) { CopyText(target, FixedText(id, kItemIDSize)); }
