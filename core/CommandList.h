// A macro's command list: comma-separated elements of the command language,
// optionally marked as repeatable by a leading REPEAT. Every reader of
// command lists goes through these functions so that all agree on them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The capacity of a macro's Commands field.
inline constexpr std::size_t kMaxCommandListLength = 254;

// Elements recognised by their leading text.
inline constexpr std::string_view kTypePrefix = "TYPE:";
inline constexpr std::string_view kPausePrefix = "PAUSE:";
inline constexpr std::string_view kClickPrefix = "CLICK:";
inline constexpr std::string_view kLaunchPrefix = "LAUNCH:";
inline constexpr std::string_view kSendMessagePrefix = "SENDMESSAGE:";
inline constexpr std::string_view kMacroPrefix = "MACRO:";
inline constexpr std::string_view kGroupPrefix = "GROUP:";

// Elements recognised as a whole (case counts).
inline constexpr std::string_view kActivateReceiverElement = "Activate COM port";
inline constexpr std::string_view kDeactivateReceiverElement = "Deactivate COM port";
inline constexpr std::string_view kExitElement = "EXIT";
inline constexpr std::string_view kStartMenuOpenElement = "STARTDOWN";
inline constexpr std::string_view kStartMenuCloseElement = "STARTUP";

struct CommandList {
    bool repeat = false;
    std::string body;  // the elements, without the leading REPEAT
};

// A list is repeatable only when it begins with "REPEAT," or is exactly
// REPEAT; REPEAT anywhere else is ordinary text.
CommandList ReadCommandList(std::string_view text);

// The text of a list, with the "REPEAT," prefix when it repeats.
std::string WriteCommandList(const CommandList& list);

// The functions below take a body, the list after its REPEAT is removed.

// 0 for an empty body, else 1 plus the number of commas.
int CountCommands(std::string_view body);

// The elements in order; as many as CountCommands, so "A," has the elements
// "A" and "".
std::vector<std::string> SplitCommands(std::string_view body);

// The element at a 0-based index; nothing for an index out of range.
std::optional<std::string> CommandAt(std::string_view body, int index);

// The elements joined by commas.
std::string JoinCommands(const std::vector<std::string>& elements);

// Names, captions and typed text have their commas replaced by blanks when
// they are entered, since a comma would end a command.
std::string CommasToBlanks(std::string_view text);

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The text after the prefix when the element begins with it, such as the
// name of MACRO:name or the text of TYPE:text.
std::optional<std::string_view> TextAfter(std::string_view element, std::string_view prefix);
