// The control plumbing shared by the dialog base and the windows that place
// their own controls: one spelling per job, texts as std::string. A list
// means a list box or a drop-down list alike.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

bool Checked(HWND button);
void SetChecked(HWND button, bool checked);

std::string ControlText(HWND control);
void SetControlText(HWND control, const std::string& text);
// The most characters the user can type into the edit.
void LimitText(HWND edit, std::size_t length);

// The range, the change of one click and the position of an up-down; the
// position is put within the range.
void SetUpUpDown(HWND upDown, int32_t minimum, int32_t maximum, int step, int32_t position);
int32_t UpDownPosition(HWND upDown);
void SetUpDownPosition(HWND upDown, int32_t position);

// The range, the distance between tick marks and the position of a track
// bar (one with automatic ticks).
void SetUpTrackBar(HWND trackBar, int32_t minimum, int32_t maximum, int tickEvery, int32_t position);
int32_t TrackBarPosition(HWND trackBar);

// Replaces the list's entries; none is selected then.
void FillList(HWND list, const std::vector<std::string>& entries);
// The index of the new entry, -1 when it could not be added.
int AddListEntry(HWND list, const std::string& entry);
void ClearList(HWND list);
int ListCount(HWND list);
// -1 for no selection.
int SelectedIndex(HWND list);
// -1 selects nothing.
void SelectIndex(HWND list, int index);
