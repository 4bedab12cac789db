#include "app/logic/DeferredTrayImage.h"

TrayStep DeferredTrayImage::Want(int image) {
    wanted_ = image;
    if (told_ == kNone) {
        told_ = image;
        return TrayStep::TellNow;
    }
    return wanted_ == told_ ? TrayStep::None : TrayStep::AfterFrame;
}

std::optional<int> DeferredTrayImage::FrameOver() {
    if (wanted_ == told_) return std::nullopt;
    told_ = wanted_;
    return told_;
}
