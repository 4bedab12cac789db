// The macro editor's tree of commands in a tree-view control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "editing/CommandTree.h"
#include "editing/MacroModel.h"

// Fills the tree with the categories, collapsed, their commands under them.
void FillCommandTree(HWND tree, const std::vector<CommandCategory>& categories);

struct CommandNode {
    std::string text;
    TreeLevel level = TreeLevel::None;
};

// The node's text and whether it is a category or a command under one.
CommandNode NodeOf(HWND tree, HTREEITEM item);
