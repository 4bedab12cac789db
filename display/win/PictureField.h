// A picture field of the button panel's dialogs: a bitmap's path, as long as
// a button's picture, with a browse button beside it.
#pragma once

#include <windows.h>

#include <cstddef>

#include "display/ButtonList.h"

inline constexpr std::size_t kPictureLimit = sizeof(TBtnEntry::PIC) - 1;

// Starts from the path in the field and puts the chosen one there.
void BrowseBitmap(HWND owner, HWND field);
