#include "editing/win/TokenDialog.h"

#include "core/win/ThisModule.h"

std::optional<std::string> TTokenDialog::Run(HWND owner) {
    token_.clear();
    if (ShowModal(ThisModule(), templateId_, owner) != IDOK) return std::nullopt;
    return token_;
}

void TTokenDialog::CloseWithToken(std::string token) {
    token_ = std::move(token);
    Close(IDOK);
}
