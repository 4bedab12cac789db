#include "receiver/win/TdlgHid.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/Settings.h"
#include "core/win/CommonControls.h"
#include "core/win/Dialog.h"
#include "core/win/ThisModule.h"
#include "receiver/HidDeviceChoice.h"
#include "receiver/win/HidDevices.h"
#include "receiver/win/TdlgHidRes.h"

namespace {

const char* KindText(HidCollection collection) {
    switch (collection) {
        case HidCollection::kKeyboard:
            return "keyboard";
        case HidCollection::kOther:
            return "other";
        default:
            return "remote buttons";
    }
}

class TdlgHid : public TDialog {
  public:
    TdlgHid() : remotes_(ReadSetting(setting::HidRemotes) != 0) {
        Bind({bind::Check(IDC_HID_ALLREMOTES, remotes_)}, "Windows remotes (HID)");
    }

  private:
    void FormCreate() override {
        HWND list = Control(IDC_HID_DEVICES);
        ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        AddColumn(0, "Device", 200);
        AddColumn(1, "Kind", 100);
        const std::set<std::string> chosen = ChosenKeyboards(ReadSetting(setting::HidKeyboards));
        devices_ = PresentDevices();
        for (std::size_t i = 0; i < devices_.size(); ++i) {
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.pszText = devices_[i].label.data();
            ListView_InsertItem(list, &item);
            ListView_SetItemText(list, item.iItem, 1, const_cast<char*>(KindText(devices_[i].collection)));
            if (IsChosenKeyboard(chosen, devices_[i].name)) ListView_SetCheckState(list, item.iItem, TRUE);
        }
    }

    void AddColumn(int index, const char* title, int dialogUnits) {
        RECT width{0, 0, dialogUnits, 0};
        MapDialogRect(Handle(), &width);
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = width.right;
        column.pszText = const_cast<char*>(title);
        ListView_InsertColumn(Control(IDC_HID_DEVICES), index, &column);
    }

    // Only a keyboard's keys can be remote buttons: other rows keep no tick.
    LRESULT Notify(const NMHDR& header) override {
        if (Filling() || header.idFrom != IDC_HID_DEVICES || header.code != LVN_ITEMCHANGING) return 0;
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        const bool ticking = (change.uChanged & LVIF_STATE) &&
                             (change.uNewState & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
        const auto row = static_cast<std::size_t>(change.iItem);
        return ticking && row < devices_.size() && devices_[row].collection != HidCollection::kKeyboard;
    }

    void btnOkClick() override {
        if (!StoreBindings()) return;
        std::vector<std::string> present, ticked;
        for (std::size_t i = 0; i < devices_.size(); ++i) {
            present.push_back(devices_[i].name);
            if (ListView_GetCheckState(Control(IDC_HID_DEVICES), static_cast<int>(i)))
                ticked.push_back(devices_[i].name);
        }
        WriteSetting(setting::HidKeyboards,
                     KeyboardsAfterChoice(ReadSetting(setting::HidKeyboards), present, ticked));
        WriteSetting(setting::HidRemotes, remotes_);
        Close(IDOK);
    }

    bool remotes_;
    std::vector<HidDevice> devices_;
};

}  // namespace

void ShowHidSettings(HWND owner) {
    RegisterCommonControls(ICC_LISTVIEW_CLASSES);
    TdlgHid().ShowModal(ThisModule(), IDD_HID, owner);
}
