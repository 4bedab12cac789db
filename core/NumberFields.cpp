#include "core/NumberFields.h"

#include <algorithm>
#include <limits>

#include "core/CommandList.h"

namespace {

constexpr std::size_t kMaxHexDigits = 8;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> HexDigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

// Decimal digits after an optional sign. The magnitude stops growing just
// above the 32-bit range, so that no number of digits can overflow.
std::optional<int64_t> ReadDecimal(std::string_view text) {
    constexpr int64_t kBeyond32Bits = int64_t{1} << 32;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int64_t magnitude = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        magnitude = std::min(magnitude * 10 + (c - '0'), kBeyond32Bits);
    }
    return negative ? -magnitude : magnitude;
}

std::optional<int32_t> ReadHex(std::string_view digits) {
    if (digits.empty() || digits.size() > kMaxHexDigits) return std::nullopt;
    int64_t value = 0;
    for (char c : digits) {
        const std::optional<int> digit = HexDigitValue(c);
        if (!digit) return std::nullopt;
        value = value * 16 + *digit;
    }
    if (value > std::numeric_limits<int32_t>::max()) value -= int64_t{1} << 32;
    return static_cast<int32_t>(value);
}

// The field at a 0-based index of ":"-separated text; nothing when missing.
std::optional<std::string_view> FieldAt(std::string_view text, int index) {
    for (; index > 0; --index) {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) return std::nullopt;
        text.remove_prefix(colon + 1);
    }
    return text.substr(0, text.find(':'));
}

int32_t FieldNumber(std::string_view fields, int index) {
    const std::optional<std::string_view> field = FieldAt(fields, index);
    if (!field) return -1;
    return ParseDialogInteger(*field).value_or(-1);
}

}  // namespace

int ReadPauseMilliseconds(std::string_view element) {
    const std::optional<std::string_view> text = TextAfter(element, kPausePrefix);
    if (!text) return 0;
    const std::optional<int64_t> value = ReadDecimal(*text);
    if (!value) return 0;
    return static_cast<int>(std::clamp<int64_t>(*value, 0, kMaxPauseMilliseconds));
}

std::optional<int32_t> ParseDialogInteger(std::string_view text) {
    if (!text.empty() && text[0] == '$') return ReadHex(text.substr(1));
    const std::optional<int64_t> value = ReadDecimal(text);
    if (!value || *value < std::numeric_limits<int32_t>::min() ||
        *value > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(*value);
}

SendMessageElement ReadSendMessage(std::string_view element) {
    SendMessageElement fields;
    const std::optional<std::string_view> text = TextAfter(element, kSendMessagePrefix);
    if (!text) return fields;
    fields.message = FieldNumber(*text, 0);
    fields.wParam = FieldNumber(*text, 1);
    fields.lParam = FieldNumber(*text, 2);
    return fields;
}
