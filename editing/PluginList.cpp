#include "editing/PluginList.h"

#include "core/CommandList.h"
#include "core/Text.h"

std::string WritePluginList(const std::vector<PluginEntry>& plugins) {
    std::vector<std::string> entries;
    for (const PluginEntry& plugin : plugins) {
        entries.push_back(CommasToBlanks(plugin.name) + ':' + plugin.file);
    }
    return JoinCommands(entries);
}

std::vector<PluginEntry> ReadPluginList(std::string_view list) {
    std::vector<PluginEntry> plugins;
    for (const std::string& entry : SplitCommands(list)) {
        const std::size_t colon = entry.rfind(':');
        if (colon == std::string::npos) continue;
        plugins.push_back({entry.substr(0, colon), entry.substr(colon + 1)});
    }
    return plugins;
}

std::optional<std::string> PluginBaseFor(std::string_view list, std::string_view name) {
    for (const PluginEntry& plugin : ReadPluginList(list)) {
        if (plugin.name == name) return plugin.file.substr(0, plugin.file.find('.'));
    }
    return std::nullopt;
}

bool MayBePlugin(std::string_view fileName) {
    return !ContainsIgnoringCase(fileName, "RX95.") && !ContainsIgnoringCase(fileName, "RXNT.");
}

std::string PluginToken(std::string_view base, std::string_view parameters) {
    if (parameters.empty()) return {};
    return std::string(base) + ':' + std::string(parameters);
}
