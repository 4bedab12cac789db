// Fixed-layout records of a macro and of a button group. The same bytes cross
// the boundaries of every module (tovdata, Tovanix, tovedit, tovshow), so the
// layout is packed and every offset is checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/Text.h"

#pragma pack(push, 1)

struct TMacroRecord {
    char ID[6];
    char Name[31];
    char AppID[6];
    char IRCommand[255];
    char Commands[255];
    uint8_t Disabled;
    uint8_t CurrentWindow;
    char TargetFile[81];
    char TargetCaption[31];
    uint8_t LeaveWindow;
    int32_t TargetWindow;  // low 32 bits of a window handle; 0 when unknown
    uint8_t DontFocus;
    uint8_t OSD;
    uint8_t Select;
    uint8_t Loop;
    int32_t LoopIndex;
    uint8_t Hidden;
    uint8_t InTree;
    uint8_t Padding[2];
};

struct TBGroupRecord {
    char ID[6];
    char IRCommand[255];
    char Name[31];
    char MacroID[6];
    uint8_t Disabled;
    uint8_t Expanded;
    uint8_t InTree;
};

#pragma pack(pop)

static_assert(sizeof(TMacroRecord) == 684, "TMacroRecord is 684 bytes");
static_assert(offsetof(TMacroRecord, ID) == 0);
static_assert(offsetof(TMacroRecord, Name) == 6);
static_assert(offsetof(TMacroRecord, AppID) == 37);
static_assert(offsetof(TMacroRecord, IRCommand) == 43);
static_assert(offsetof(TMacroRecord, Commands) == 298);
static_assert(offsetof(TMacroRecord, Disabled) == 553);
static_assert(offsetof(TMacroRecord, CurrentWindow) == 554);
static_assert(offsetof(TMacroRecord, TargetFile) == 555);
static_assert(offsetof(TMacroRecord, TargetCaption) == 636);
static_assert(offsetof(TMacroRecord, LeaveWindow) == 667);
static_assert(offsetof(TMacroRecord, TargetWindow) == 668);
static_assert(offsetof(TMacroRecord, DontFocus) == 672);
static_assert(offsetof(TMacroRecord, OSD) == 673);
static_assert(offsetof(TMacroRecord, Select) == 674);
static_assert(offsetof(TMacroRecord, Loop) == 675);
static_assert(offsetof(TMacroRecord, LoopIndex) == 676);
static_assert(offsetof(TMacroRecord, Hidden) == 680);
static_assert(offsetof(TMacroRecord, InTree) == 681);
static_assert(offsetof(TMacroRecord, Padding) == 682);

static_assert(sizeof(TBGroupRecord) == 301, "TBGroupRecord is 301 bytes");
static_assert(offsetof(TBGroupRecord, ID) == 0);
static_assert(offsetof(TBGroupRecord, IRCommand) == 6);
static_assert(offsetof(TBGroupRecord, Name) == 261);
static_assert(offsetof(TBGroupRecord, MacroID) == 292);
static_assert(offsetof(TBGroupRecord, Disabled) == 298);
static_assert(offsetof(TBGroupRecord, Expanded) == 299);
static_assert(offsetof(TBGroupRecord, InTree) == 300);

// An item identifier: "A" or "M" and a decimal number, at most 5 characters.
constexpr std::size_t kItemIDSize = 6;
using TItemID = char[kItemIDSize];

enum class ItemKind { None, Group, Macro };

// The kind of an item is told by the first letter of its identifier alone.
// A null pointer or any other first letter is no item.
ItemKind KindOfID(const char* id);

// Records filled anew start with every byte zero.
TMacroRecord FreshMacroRecord();
TBGroupRecord FreshBGroupRecord();

// Copies an identifier given by a pointer that may be null or unterminated
// into a 6-byte buffer; reads at most 5 characters of it.
void CopyItemID(TItemID& target, const char* id);
