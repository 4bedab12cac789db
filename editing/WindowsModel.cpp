#include "editing/WindowsModel.h"

#include <algorithm>

#include "core/CommandList.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace {

bool Listed(const ListedWindow& window, WindowShow show) {
    return (show == WindowShow::All || window.visible) && !window.caption.empty();
}

WindowNode NodeOf(const ListedWindow& window) {
    return {window.handle, window.caption.substr(0, kMaxListedCaptionLength), {}};
}

void SortByCaption(std::vector<WindowNode>& nodes) {
    std::stable_sort(nodes.begin(), nodes.end(), [](const WindowNode& a, const WindowNode& b) {
        return ToUpperAscii(a.caption) < ToUpperAscii(b.caption);
    });
}

}  // namespace

const DialogMessage kSpecifyExecutable{"Please specify the executable of the application!", "Close dialog",
                                       MessageIcon::Information};

std::vector<WindowNode> BuildWindowTree(const std::vector<ListedWindow>& windows, WindowShow show) {
    std::vector<WindowNode> roots;
    for (const ListedWindow& window : windows) {
        if (Listed(window, show) && window.topOwner == window.handle) roots.push_back(NodeOf(window));
    }
    for (const ListedWindow& window : windows) {
        if (!Listed(window, show) || window.topOwner == window.handle) continue;
        const auto owner = std::find_if(roots.rbegin(), roots.rend(), [&](const WindowNode& root) {
            return root.handle == window.topOwner;
        });
        if (owner != roots.rend()) owner->children.push_back(NodeOf(window));
    }
    SortByCaption(roots);
    for (WindowNode& root : roots) SortByCaption(root.children);
    return roots;
}

WindowChoiceOutcome AcceptWindowChoice(const WindowChoice& choice) {
    // The name first: the whole path may be longer than the field.
    const std::string file = FileNameOf(choice.fileName);
    if (file.empty()) return {std::nullopt, kSpecifyExecutable};
    WindowChoice accepted{file.substr(0, kMaxTargetFileLength),
                          CommasToBlanks(choice.caption.substr(0, kMaxTargetCaptionInput))};
    return {accepted, std::nullopt};
}
