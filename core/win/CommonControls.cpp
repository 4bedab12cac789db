#include "core/win/CommonControls.h"

void RegisterCommonControls(DWORD classes) {
    static DWORD registered = 0;
    if ((registered & classes) == classes) return;
    INITCOMMONCONTROLSEX controls{sizeof controls, classes};
    if (InitCommonControlsEx(&controls)) registered |= classes;
}
