// The command plug-ins that the macro editor found, as the setting Plugins
// keeps them: entries of a display name, ":" and the library's file name,
// joined by commas, such as "Media keys:mediakeys.dll".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PluginEntry {
    std::string name;  // what getPluginName wrote
    std::string file;  // the library's file name as found on disk
};

// A comma in a name becomes a blank, so that the list reads back as written.
std::string WritePluginList(const std::vector<PluginEntry>& plugins);
// An entry's file name follows its last ":"; entries without one are skipped.
std::vector<PluginEntry> ReadPluginList(std::string_view list);

// The library base name (the file name up to its first ".") of the entry
// whose whole display name is name; nothing when no entry has that name.
std::optional<std::string> PluginBaseFor(std::string_view list, std::string_view name);

// Whether a library of the program folder may be a plug-in: the
// process-name libraries (RX95.DLL, RXNT.DLL) are not asked.
bool MayBePlugin(std::string_view fileName);

// The command that runs the plug-in with the parameters addPlugin gave;
// "" when they are empty (nothing is added).
std::string PluginToken(std::string_view base, std::string_view parameters);
