// A flag held at a value (true unless told) for one scope and given back its
// earlier value after it, early returns and exceptions included: the
// "filling the controls" flag of a dialog, whose own changes to its controls
// notify like user input, or the main window's close hold-off.
#pragma once

class ScopedFlag {
  public:
    explicit ScopedFlag(bool& flag, bool value = true) : flag_(flag), previous_(flag) { flag_ = value; }
    ~ScopedFlag() { flag_ = previous_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    bool& flag_;
    const bool previous_;
};
