// The keys of the command file. Each line is a key, ending in ":", directly
// followed by its value. Letter case counts.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Every key a reader accepts. Path, Parameters, Class and Deactivate come
// from files of older versions: they are accepted and their values unused.
enum class Key {
    ID,
    Name,
    Path,
    IRCommand,
    Commands,
    Parameters,
    Class,
    AppID,
    MacroID,
    Disabled,
    Deactivate,
    LeaveWindow,
    CurrentWindow,
    TargetFile,
    TargetCaption,
    DontFocus,
    OSD,
    Select,
    Loop,
    Hidden,
};

inline constexpr std::size_t kKeyCount = static_cast<std::size_t>(Key::Hidden) + 1;

// The key as written in the file, with its ":".
std::string_view KeyText(Key key);

// The key that the text (with its ":") names exactly; nothing for any other.
std::optional<Key> FindKey(std::string_view text);
