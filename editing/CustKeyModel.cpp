#include "CustKeyModel.h"

#include <algorithm>
#include <utility>

#include "CommandList.h"
#include "KeyNames.h"

namespace {

constexpr std::array<Modifier, 3> kModifiers{Modifier::Ctrl, Modifier::Alt, Modifier::Shift};
constexpr std::array<const char*, 3> kModifierWords{"CTRL", "ALT", "SHIFT"};
constexpr int kMaxModifiers = 2;

}  // namespace

void CustKeyModel::SetKey(std::string key) {
    key_ = std::move(key);
    typed_.clear();
    typing_ = false;
}

void CustKeyModel::SetTyped(std::string typed) {
    typed_ = std::move(typed);
    key_.clear();
    typing_ = true;
}

void CustKeyModel::SetModifier(Modifier modifier, bool ticked) {
    if (Enabled(modifier)) ticked_[Index(modifier)] = ticked;
}

int CustKeyModel::TickedCount() const {
    return static_cast<int>(std::count(ticked_.begin(), ticked_.end(), true));
}

bool CustKeyModel::Enabled(Modifier modifier) const {
    return !typing_ && (Ticked(modifier) || TickedCount() < kMaxModifiers);
}

std::string CustKeyModel::Token() const {
    if (!key_.empty()) {
        std::string token;
        for (std::size_t i = 0; i < kModifiers.size(); ++i) {
            if (Ticked(kModifiers[i]) && Enabled(kModifiers[i]))
                token += std::string(kModifierWords[i]) + '+';
        }
        return token + (key_ == "," ? std::string(kCommaElement) : key_);
    }
    if (typed_.empty()) return {};
    std::string text = typed_.substr(0, kMaxTypedLength);
    std::replace(text.begin(), text.end(), ',', ' ');
    return std::string(kTypePrefix) + text;
}
