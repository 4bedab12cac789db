#include "SettingsDialog.h"

#include <string>

#include "Dialog.h"
#include "DriverBase.h"
#include "ThisModule.h"

namespace {

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

class TdlgSettings : public TDialog {
  public:
    explicit TdlgSettings(const std::vector<SettingField>& fields) : fields_(fields) {}

  private:
    void FormCreate() override { Load(Handle(), fields_); }
    void btnOkClick() override {
        if (Save(Handle(), fields_)) Close(IDOK);
    }

    const std::vector<SettingField>& fields_;
};

}  // namespace

void RunSettingsDialog(int dialogId, HWND owner, const std::vector<SettingField>& fields) {
    TdlgSettings(fields).ShowModal(ThisModule(), dialogId, owner);
}
