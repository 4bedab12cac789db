#include "display/win/TdlgPanelProp.h"

#include "core/Settings.h"
#include "display/win/PictureField.h"
#include "display/win/TdlgPanelPropRes.h"

TdlgPanelProp::TdlgPanelProp() : picture_(ReadSetting(setting::BtnPanelBack)) {
    Bind({bind::Text(IDC_PANELPROP_TXTPIC, picture_, kPictureLimit)}, "Panel properties");
}

void TdlgPanelProp::Command(int id, int notification) {
    if (id == IDC_PANELPROP_BTNBROWSE && notification == BN_CLICKED)
        BrowseBitmap(Handle(), Control(IDC_PANELPROP_TXTPIC));
}

void TdlgPanelProp::btnOkClick() {
    if (!StoreBindings()) return;
    WriteSetting(setting::BtnPanelBack, picture_);
    Close(IDOK);
}
