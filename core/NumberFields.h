// Numbers inside command elements, read the same way by the executor and by
// the dialogs that write them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

inline constexpr int kMaxPauseMilliseconds = 30000;

// The milliseconds of a PAUSE:n element: n as a decimal integer with an
// optional sign, limited to 30000 however long it is written. A number of
// 0 or less, and anything that is not a number, gives 0: no pause.
int ReadPauseMilliseconds(std::string_view element);

// An integer as the send-message dialog accepts it: decimal with an optional
// sign, or "$" and 1 to 8 hexadecimal digits taken as a 32-bit two's
// complement value ($FFFFFFFF is -1). Nothing for empty text, other
// characters (blanks included) or a decimal outside the 32-bit range.
std::optional<int32_t> ParseDialogInteger(std::string_view text);

// The fields of SENDMESSAGE:message:wparam:lparam; a field that is not a
// number, or is missing, is -1. Fields after the third are ignored.
struct SendMessageElement {
    int32_t message = -1;
    int32_t wParam = -1;
    int32_t lParam = -1;

    // Only a message whose three fields are all 0 or more is sent.
    bool ShouldSend() const { return message >= 0 && wParam >= 0 && lParam >= 0; }
};

SendMessageElement ReadSendMessage(std::string_view element);
