// The send-message dialog: three numbers of 0 or more, each decimal with an
// optional sign or hexadecimal after "$", written into the command as typed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/DialogMessage.h"

inline constexpr std::size_t kMaxSendMessageFieldLength = 5;

enum class SendMessageField { Message, WParam, LParam };

struct SendMessageFields {
    std::string message;
    std::string wParam;
    std::string lParam;
};

extern const DialogMessage kNotAValidValue;

struct SendMessageOutcome {
    std::string token;  // SENDMESSAGE:message:wParam:lParam, or "" when refused
    // The first field, in the order message, wParam, lParam, that is no
    // number or is negative: the dialog shows kNotAValidValue and puts the
    // focus there.
    std::optional<SendMessageField> invalid;
};

SendMessageOutcome SendMessageToken(const SendMessageFields& fields);
