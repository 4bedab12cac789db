#include "editing/win/PluginSearch.h"

#include "core/Paths.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/win/CommandPlugin.h"
#include "core/win/ProgramLibraries.h"

namespace {
constexpr std::size_t kParametersSize = 256;
}  // namespace

std::vector<PluginEntry> FindPlugins() {
    std::vector<PluginEntry> plugins;
    for (NamedLibrary& library :
         AskLibraryNames(kGetPluginNameExport, [](const std::string& file) { return MayBePlugin(file); }))
        plugins.push_back({std::move(library.name), std::move(library.file)});
    WriteSetting(setting::Plugins, WritePluginList(plugins));
    return plugins;
}

std::string AskPluginParameters(const std::string& base) {
    char parameters[kParametersSize] = "";
    CallLibraryExport(LibraryFolder() + base + ".DLL", kAddPluginExport, [&](FARPROC function) {
        reinterpret_cast<TAddPlugin>(reinterpret_cast<void*>(function))(parameters);
    });
    return std::string(FixedText(parameters, kParametersSize));
}
