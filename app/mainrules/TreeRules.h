// How the main window's tree shows items: which picture a node gets and in
// which order nodes stand.
#pragma once

#include <string_view>

#include "core/Records.h"

// The pictures of the tree, in the order of the TREE1 to TREE9 icons.
enum TreeImage {
    kGroupLearnt = 0,
    kMacroLearnt = 1,
    kGroupUnlearnt = 2,
    kMacroUnlearnt = 3,
    kGroupDisabled = 4,
    kMacroDisabled = 5,
    kHiddenMacroLearnt = 6,
    kHiddenMacroUnlearnt = 7,
    kHiddenMacroDisabled = 8,
};
inline constexpr int kTreeImageCount = 9;

// Disabled goes before learnt: a disabled item shows its disabled picture
// whatever its IR command.
int NodeImage(const TBGroupRecord& group);
int NodeImage(const TMacroRecord& macro);

// The kind of a node from its item's ID: 'A' when the ID holds an A, else 'M'
// when it holds an M, else 0 (also for a node without an item).
char NodeKind(const char* id);

// Groups before macros; within a kind by name, without regard to case.
// Negative, zero or positive like strcmp.
int CompareNodes(char kind1, std::string_view text1, char kind2, std::string_view text2);
