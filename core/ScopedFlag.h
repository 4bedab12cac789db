// A flag held true for one scope and given back its earlier value after it,
// early returns and exceptions included: the "filling the controls" flag of
// a dialog, whose own changes to its controls notify like user input.
#pragma once

class ScopedFlag {
  public:
    explicit ScopedFlag(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = previous_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    bool& flag_;
    const bool previous_;
};
