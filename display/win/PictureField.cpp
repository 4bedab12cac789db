#include "display/win/PictureField.h"

#include "core/win/Controls.h"
#include "core/win/OpenFileDialog.h"

void BrowseBitmap(HWND owner, HWND field) {
    if (const auto path = ChooseFileToOpen(owner, {"Bitmaps (*.bmp)\0*.bmp\0", nullptr, ControlText(field),
                                                   OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST}))
        SetControlText(field, *path);
}
