// The settings dialog: the settings model's values in their controls, the
// sample of the on-screen display and the command chooser on two pages, and
// the list of receiver drivers.
#pragma once

#include <string>
#include <vector>

#include "core/ComboData.h"
#include "core/win/Dialog.h"
#include "editing/DriverChoice.h"
#include "editing/SettingsModel.h"

class TdlgSettings : public TDialog {
  public:
    TdlgSettings();

    bool Accepted() const { return accepted_; }

  private:
    // TDialog.
    void FormCreate() override;
    void FormClose() override;
    void Command(int id, int notification) override;
    LRESULT Notify(const NMHDR& header) override;
    void btnOkClick() override;
    const char* HelpAnchor() const override { return "#Settings"; }
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void ShowPage(int page);
    void EnablePageControls();
    void btnFontClick();
    void btnBackgroundClick();
    void DrawSample(const DRAWITEMSTRUCT& item) const;
    void RedrawSample();
    PageValues& Page() { return values_.pages[page_]; }

    SettingsValues values_;
    // The OSDScreen value of each "Show on" entry.
    ComboData screens_;
    int page_ = kDisplayPage;
    std::string driverAtStart_;
    std::vector<DriverEntry> drivers_;
    bool accepted_ = false;
};

// Runs the dialog: ChangeSettings' result.
bool EditSettings(HWND owner);
