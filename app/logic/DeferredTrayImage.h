// What the shell is told of the tray icon's image. A change reaches the shell
// once it has lasted one screen frame: a change undone within a frame (the
// running image of a one-key macro, each repeat of a held button) is never
// seen, so it costs no notification; one that lasts (a longer macro, a
// sequence that waits for its next button) shows one frame late. The first
// image goes at once.
#pragma once

#include <optional>

enum class TrayStep {
    None,        // the shell shows it already
    TellNow,     // the first image
    AfterFrame,  // (re)start the frame timer, then ask FrameOver
};

class DeferredTrayImage {
  public:
    // One frame of a 60 Hz screen, rounded down.
    static constexpr unsigned kFrameMs = 16;

    // The image the program shows from now on.
    TrayStep Want(int image);
    // The frame timer ran out: the image to tell the shell, if it does not
    // show it yet.
    std::optional<int> FrameOver();

  private:
    static constexpr int kNone = -1;
    int wanted_ = kNone;
    int told_ = kNone;
};
