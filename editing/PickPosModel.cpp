#include "editing/PickPosModel.h"

#include "core/NumberFields.h"

namespace {

constexpr const char* kLearnLocationCaption = "Learn mouse click location";
constexpr const char* kGetPositionCaption = "Get mouse click position";
constexpr int kMaxCoordinate = 9999;

// Wide enough that adding a window's corner cannot overflow.
struct Position {
    int64_t x;
    int64_t y;
};

std::optional<Position> ReadPosition(const std::string& x, const std::string& y) {
    const std::optional<int32_t> column = ParseDialogInteger(x);
    const std::optional<int32_t> row = ParseDialogInteger(y);
    if (!column || !row) return std::nullopt;
    return Position{*column, *row};
}

bool InRange(int64_t coordinate) { return coordinate >= 0 && coordinate <= kMaxCoordinate; }

}  // namespace

const DialogMessage kTargetNotFound{
    "Target window not found! Start the target application and try learn command again!", "Target",
    MessageIcon::Information};
const DialogMessage kTargetMismatch{
    "The target window didn't match with the target window of the current action!", kGetPositionCaption,
    MessageIcon::Exclamation};
const DialogMessage kLocationSaved{"Mouse cursor location saved!", kLearnLocationCaption,
                                   MessageIcon::Information};
const DialogMessage kCoordinatesOutOfRange{"The coordinates must be whole numbers from 0 to 9999!",
                                           kLearnLocationCaption, MessageIcon::Exclamation};
const DialogMessage kLeftOfOrAboveWindow{
    "The position lies left of or above the target window! Learn the location again inside the window.",
    kLearnLocationCaption, MessageIcon::Exclamation};

bool ClicksRelativeToTarget(const TMacroRecord& macro) {
    return !macro.CurrentWindow &&
           !(FieldText(macro.TargetFile).empty() && FieldText(macro.TargetCaption).empty());
}

void PickPosModel::SetReference(ClickReference reference) {
    if (reference == reference_) return;
    reference_ = reference;
    const std::optional<Position> position = ReadPosition(x, y);
    if (!position) return;
    const int64_t sign = reference == ClickReference::Screen ? 1 : -1;
    x = std::to_string(position->x + sign * origin_.x);
    y = std::to_string(position->y + sign * origin_.y);
    if (reference == ClickReference::Screen) targetCaption_.clear();
}

bool PickPosModel::CaptureOnActivation() {
    if (activatedOnce_) return false;
    activatedOnce_ = true;
    return true;
}

void PickPosModel::UseWholeScreen() {
    reference_ = ClickReference::Screen;
    referenceEnabled_ = false;
    targetCaption_.clear();
}

void PickPosModel::TargetFound(std::string_view caption) {
    reference_ = ClickReference::Window;
    referenceEnabled_ = true;
    targetCaption_ = caption.substr(0, kMaxTargetCaptionLength);
}

DialogMessage PickPosModel::TargetNotFound() {
    reference_ = ClickReference::Screen;
    referenceEnabled_ = true;
    return kTargetNotFound;
}

DialogMessage PickPosModel::CapturePrompt() const {
    const char* text = reference_ == ClickReference::Screen
                           ? "After you press OK, you have 4 seconds to place the cursor to the desired "
                             "position of the screen."
                           : "The target application will be focused after you press OK. You have 4 seconds "
                             "to place the cursor "
                             "to the desired position.";
    return {text, kGetPositionCaption, MessageIcon::Exclamation};
}

DialogMessage PickPosModel::Captured(ScreenPoint cursor, bool sameProgram, ScreenPoint windowCorner) {
    ScreenPoint position = cursor;
    if (reference_ == ClickReference::Window) {
        if (!sameProgram) return kTargetMismatch;
        position = {cursor.x - windowCorner.x, cursor.y - windowCorner.y};
        origin_ = windowCorner;
    }
    x = std::to_string(position.x);
    y = std::to_string(position.y);
    captured_ = true;
    return kLocationSaved;
}

ClickOutcome PickPosModel::Accept() const {
    const std::optional<Position> position = ReadPosition(x, y);
    if (!position) return {{}, kCoordinatesOutOfRange};
    if (reference_ == ClickReference::Window && (position->x < 0 || position->y < 0))
        return {{}, kLeftOfOrAboveWindow};
    if (!InRange(position->x) || !InRange(position->y)) return {{}, kCoordinatesOutOfRange};

    ClickElement click;
    click.x = static_cast<int>(position->x);
    click.y = static_cast<int>(position->y);
    click.button = button;
    click.reference = reference_;
    click.count = doubleClick && DoubleClickEnabled() ? 2 : 1;
    click.action = action;
    return {*WriteClickElement(click), {}};
}
