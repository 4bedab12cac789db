// What learning an item does around the learn dialog: the dialog's title,
// and storing the learnt command once the store agrees.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editing/EditStore.h"
#include "editing/LearnModel.h"
#include "editing/tovedit.h"  // the results of learn()

// "Learn " and the item's name; a macro of a group shows the group's name
// first ("Learn Player/Play"). Nothing when the store has no such item.
std::optional<std::string> LearnTitle(EditStore& store, const char* id);

// Stores a command learnt to the end in the item's record when the store
// agrees that no other item holds it, and gives learn()'s result.
int StoreLearnt(EditStore& store, const char* id, LearnEnd end, std::string_view learnt);
