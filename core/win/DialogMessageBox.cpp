#include "core/win/DialogMessageBox.h"

void ShowDialogMessage(HWND owner, const DialogMessage& message) {
    UINT icon = MB_ICONINFORMATION;
    if (message.icon == MessageIcon::Exclamation) icon = MB_ICONEXCLAMATION;
    if (message.icon == MessageIcon::Error) icon = MB_ICONERROR;
    MessageBoxA(owner, message.text.c_str(), message.caption.c_str(), MB_OK | icon);
}
