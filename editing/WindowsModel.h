// The select-window dialog: a tree of the open windows, each under the
// window that owns it, from which the user picks a program and a caption
// for a macro's target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/DialogMessage.h"
#include "core/Records.h"

// One top-level window as the desktop lists it, in Z order.
struct ListedWindow {
    std::uintptr_t handle = 0;
    std::string caption;
    std::uintptr_t topOwner = 0;  // the top of its owner/parent chain: itself when it has none
    bool visible = false;
};

struct WindowNode {
    std::uintptr_t handle = 0;
    std::string caption;
    std::vector<WindowNode> children;
};

enum class WindowShow { Visible, All };

inline constexpr std::size_t kMaxListedCaptionLength = 64;
inline constexpr std::size_t kMaxTargetFileLength = sizeof(TMacroRecord::TargetFile) - 1;
inline constexpr std::size_t kMaxTargetCaptionInput = sizeof(TMacroRecord::TargetCaption) - 1;

// Windows with a caption (cut to 64 characters), only the visible ones
// unless all are shown. A window that is its own top owner is a root; every
// other one goes under the root of its top owner, or is left out when its
// owner is not listed. Roots and children are sorted by caption, letter
// case aside.
std::vector<WindowNode> BuildWindowTree(const std::vector<ListedWindow>& windows, WindowShow show);

// The program file and caption that the dialog returns.
struct WindowChoice {
    std::string fileName;  // as the dialog shows it; accepted without its folder
    std::string caption;
};

extern const DialogMessage kSpecifyExecutable;

struct WindowChoiceOutcome {
    std::optional<WindowChoice> accepted;
    std::optional<DialogMessage> refusal;  // the dialog stays open
};

// OK: refused without a program file. The file loses its folder, commas in
// the caption become blanks, because a comma separates commands; then both
// texts are cut to their fields.
WindowChoiceOutcome AcceptWindowChoice(const WindowChoice& choice);
