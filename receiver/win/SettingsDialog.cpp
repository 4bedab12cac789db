#include "SettingsDialog.h"

#include <string>

#include "DriverBase.h"
#include "ThisModule.h"

namespace {

struct Dialog {
    const std::vector<SettingField>& fields;
};

void Load(HWND dialog, const std::vector<SettingField>& fields) {
    for (const SettingField& field : fields) {
        const std::string value =
            field.number ? std::to_string(ReadSetting(*field.number)) : ReadSetting(*field.text);
        SetDlgItemTextA(dialog, field.control, value.c_str());
    }
}

// Writes the fields; false (after telling the user) when a number is wrong.
bool Save(HWND dialog, const std::vector<SettingField>& fields) {
    for (const SettingField& field : fields) {
        if (!field.number) continue;
        BOOL ok = FALSE;
        const int value = static_cast<int>(GetDlgItemInt(dialog, field.control, &ok, TRUE));
        if (!ok || value < field.number->minimum || value > field.number->maximum) {
            const std::string message = "Enter a number from " + std::to_string(field.number->minimum) +
                                        " to " + std::to_string(field.number->maximum) + ".";
            MessageBoxA(dialog, message.c_str(), "Settings", MB_OK | MB_ICONEXCLAMATION);
            SetFocus(GetDlgItem(dialog, field.control));
            return false;
        }
    }
    for (const SettingField& field : fields) {
        if (field.number) {
            WriteSetting(*field.number,
                         static_cast<int>(GetDlgItemInt(dialog, field.control, nullptr, TRUE)));
        } else {
            char text[1024] = "";
            GetDlgItemTextA(dialog, field.control, text, sizeof text);
            WriteSetting(*field.text, text);
        }
    }
    return true;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            Load(dialog, reinterpret_cast<Dialog*>(lParam)->fields);
            return TRUE;
        }
        if (message == WM_COMMAND) {
            auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (LOWORD(wParam) == IDOK && Save(dialog, self->fields)) EndDialog(dialog, IDOK);
            if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
    } catch (...) {
        EndDialog(dialog, IDCANCEL);
    }
    return FALSE;
}

}  // namespace

void RunSettingsDialog(int dialogId, HWND owner, const std::vector<SettingField>& fields) {
    Dialog self{fields};
    DialogBoxParamA(ThisModule(), MAKEINTRESOURCEA(dialogId), owner, &DialogProc,
                    reinterpret_cast<LPARAM>(&self));
}
