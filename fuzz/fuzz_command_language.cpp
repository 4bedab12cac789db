// The command-language readers on any command list: the list is split the
// same way by every reader that walks it, and each element goes through
// every element reader without a fault.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/ClickElement.h"
#include "core/CommandList.h"
#include "core/KeyNames.h"
#include "core/LaunchElement.h"
#include "core/NumberFields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CommandList list = ReadCommandList(text);
    const std::vector<std::string> elements = SplitCommands(list.body);
    if (static_cast<int>(elements.size()) != CountCommands(list.body)) std::abort();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (CommandAt(list.body, static_cast<int>(i)) != elements[i]) std::abort();
        const std::string& element = elements[i];
        ReadKeyElement(element);
        ReadClickElement(element);
        SplitLaunch(element);
        ReadPauseMilliseconds(element);
        ReadSendMessage(element);
    }
    if (CommandAt(list.body, static_cast<int>(elements.size()))) std::abort();
    ParseDialogInteger(text);
    return 0;
}
