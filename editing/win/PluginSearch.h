// The command plug-ins of the program folder, for the macro editor.
#pragma once

#include <string>
#include <vector>

#include "editing/PluginList.h"

// Each library that names itself through getPluginName, in the folder's
// order; the list is kept in the setting Plugins, also when it is empty.
// The process-name libraries are never loaded.
std::vector<PluginEntry> FindPlugins();

// What the plug-in base.DLL's addPlugin wrote (it usually asks the user in
// a dialog of its own); "" when it wrote nothing or could not be called.
std::string AskPluginParameters(const std::string& base);
