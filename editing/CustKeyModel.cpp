#include "editing/CustKeyModel.h"

#include <utility>

#include "core/CommandList.h"
#include "core/KeyNames.h"

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
    if (Enabled(modifier)) modifiers_.Set(modifier, ticked);
}

bool CustKeyModel::Enabled(Modifier modifier) const { return !typing_ && modifiers_.Enabled(modifier); }

std::string CustKeyModel::Token() const {
    // A key clears typing_, so every ticked box is enabled here.
    if (!key_.empty()) return modifiers_.Prefix() + (key_ == "," ? std::string(kCommaElement) : key_);
    if (typed_.empty()) return {};
    return std::string(kTypePrefix) + CommasToBlanks(typed_.substr(0, kMaxTypedLength));
}
