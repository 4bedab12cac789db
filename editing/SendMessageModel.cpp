#include "editing/SendMessageModel.h"

#include "core/CommandList.h"
#include "core/NumberFields.h"

const DialogMessage kNotAValidValue{"Not a valid value!", "Error", MessageIcon::Exclamation};

SendMessageOutcome SendMessageToken(const SendMessageFields& fields) {
    const std::pair<SendMessageField, const std::string*> order[] = {
        {SendMessageField::Message, &fields.message},
        {SendMessageField::WParam, &fields.wParam},
        {SendMessageField::LParam, &fields.lParam},
    };
    for (const auto& [field, text] : order) {
        // The executor sends no message with a negative field.
        const std::optional<int32_t> number = ParseDialogInteger(*text);
        if (!number || *number < 0) return {{}, field};
    }
    return {std::string(kSendMessagePrefix) + fields.message + ':' + fields.wParam + ':' + fields.lParam, {}};
}
