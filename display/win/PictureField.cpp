#include "PictureField.h"

#include "Controls.h"
#include "OpenFileDialog.h"

void BrowseBitmap(HWND owner, HWND field) {
    if (const auto path = ChooseFileToOpen(owner, {"Bitmaps (*.bmp)\0*.bmp\0", nullptr, ControlText(field),
                                                   OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST}))
        SetControlText(field, *path);
}
