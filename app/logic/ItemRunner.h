// Running items by ID: the dispatch does it, the executor's MACRO: and
// GROUP: commands ask for it, and the executor tells it when a macro has
// started.
#pragma once

class ItemRunner {
  public:
    virtual ~ItemRunner() = default;
    virtual void ExecuteItem(const char* id) = 0;
    // True when the window that was in front before is not to come back.
    virtual bool ActivateGroup(const char* id) = 0;
    // A macro's first command has had its effect (or there was none).
    virtual void MacroStarted() = 0;
};
