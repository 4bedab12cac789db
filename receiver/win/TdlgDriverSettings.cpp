#include "receiver/win/TdlgDriverSettings.h"

#include <string>

#include "core/win/Dialog.h"
#include "core/win/ThisModule.h"
#include "receiver/win/DriverBase.h"

namespace {

class TdlgDriverSettings : public TDialog {
  public:
    // Each field's value as stored, bound to its control.
    explicit TdlgDriverSettings(const std::vector<SettingField>& fields)
        : fields_(fields), values_(fields.size()) {
        std::vector<Binding> table;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const SettingField& field = fields[i];
            if (field.number) {
                values_[i].number = ReadSetting(*field.number);
                table.push_back(bind::Number(field.control, values_[i].number, *field.number));
            } else {
                values_[i].text = ReadSetting(*field.text);
                table.push_back(bind::Text(field.control, values_[i].text));
            }
        }
        Bind(std::move(table), "Settings");
    }

  private:
    struct Value {
        int32_t number = 0;
        std::string text;
    };

    void btnOkClick() override {
        if (!StoreBindings()) return;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            if (fields_[i].number)
                WriteSetting(*fields_[i].number, values_[i].number);
            else
                WriteSetting(*fields_[i].text, values_[i].text);
        }
        Close(IDOK);
    }

    const std::vector<SettingField>& fields_;
    // Sized once: the binding table points into it.
    std::vector<Value> values_;
};

}  // namespace

void RunSettingsDialog(int dialogId, HWND owner, const std::vector<SettingField>& fields) {
    TdlgDriverSettings(fields).ShowModal(ThisModule(), dialogId, owner);
}
