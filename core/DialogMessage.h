// A message that a dialog shows in a message box: the models decide the
// words, the dialogs only show them.
#pragma once

#include <string>

enum class MessageIcon { Information, Exclamation, Error };

struct DialogMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Information;
};

inline bool operator==(const DialogMessage& a, const DialogMessage& b) {
    return a.text == b.text && a.caption == b.caption && a.icon == b.icon;
}
