// One Tovanix per program folder: two copies would each save their own
// items over the one command file, the later save undoing the earlier. A
// second start brings the running copy to the front and ends.
#pragma once

#include <windows.h>

#include <string>

#include "core/win/Scoped.h"

// Posted to the running copy's main window: show yourself.
inline constexpr UINT kShowRunningCopyMessage = WM_APP + 1;

class SingleInstance {
  public:
    // Takes the folder's mutex, which stays held while the object lives.
    SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another copy runs from the same folder.
    bool First() const { return first_; }
    // Asks that copy's main window to show itself in front.
    void ShowRunningCopy() const;

  private:
    std::string name_;
    UniqueHandle mutex_;
    bool first_ = true;
};
