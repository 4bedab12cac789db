// The drivers' settings dialogs: edit controls bound to settings, read when
// the dialog opens and written on OK.
#pragma once

#include <windows.h>

#include <vector>

#include "core/Settings.h"

struct SettingField {
    int control;
    // Exactly one of the two.
    const IntSetting* number = nullptr;
    const StrSetting* text = nullptr;
};

// Runs the dialog resource dialogId of this library modally. OK checks each
// number against its setting's range; a value out of range is reported and
// the dialog stays open.
void RunSettingsDialog(int dialogId, HWND owner, const std::vector<SettingField>& fields);
