// The IR command text of an item as the learn dialog writes it: the buttons
// of a sequence joined by ";", each button the variant strings that the
// remote sent for it joined by ",". A received sequence is one string per
// button joined by ";".
#pragma once

#include <string>
#include <string_view>
#include <vector>

using Button = std::vector<std::string>;  // the variants of one button, empty strings left out
using Sequence = std::vector<Button>;

std::vector<std::string_view> Split(std::string_view text, char separator);

Sequence ParseSequence(std::string_view text);

bool Accepts(const Button& button, std::string_view received);

// Whether the item's first buttons accept the received ones, one by one.
bool StartsWith(const Sequence& item, const std::vector<std::string_view>& received);

// Two commands that one received sequence could select both: the same number
// of buttons, and a variant in common at every button.
bool Clash(const Sequence& a, const Sequence& b);
