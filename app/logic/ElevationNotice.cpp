#include "app/logic/ElevationNotice.h"

#include "core/Paths.h"
#include "core/Text.h"

std::optional<std::string> ElevationNotice::Check(WindowHandle window) {
    if (!IsWindowHandle(window)) return std::nullopt;
    const std::optional<uint32_t> own = query_.OwnLevel();
    const std::optional<uint32_t> target = query_.LevelOf(window);
    if (!own || !target || *target <= *own) return std::nullopt;
    const std::string program = FileNameOf(query_.ProgramFileOf(window));
    if (!told_.insert(ToUpperAscii(program)).second) return std::nullopt;
    return "Tovanix cannot send keys to " + program + ": it runs as administrator.";
}
