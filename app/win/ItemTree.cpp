#include "app/win/ItemTree.h"

#include "app/mainrules/TreeRules.h"
#include "core/Records.h"
#include "core/ScopedFlag.h"
#include "core/win/Scoped.h"
#include "store/tovdata.h"

namespace {
const char* IDOfData(LPARAM data) { return reinterpret_cast<const char*>(data); }

int CALLBACK CompareByKindAndName(LPARAM first, LPARAM second, LPARAM) {
    // Both records begin with their ID; names sit at different offsets.
    auto name = [](LPARAM data) -> std::string_view {
        if (NodeKind(IDOfData(data)) == 'A')
            return FieldText(reinterpret_cast<const TBGroupRecord*>(data)->Name);
        return FieldText(reinterpret_cast<const TMacroRecord*>(data)->Name);
    };
    return CompareNodes(NodeKind(IDOfData(first)), name(first), NodeKind(IDOfData(second)), name(second));
}
}  // namespace

HTREEITEM TItemTree::AddNode(HTREEITEM parent, std::string_view name, void* record, int image) {
    return view_.Insert(parent, std::string(name), reinterpret_cast<LPARAM>(record), image);
}

void TItemTree::Build(const std::string& groupID) {
    if (building_) return;
    const ScopedFlag building(building_);
    const WaitCursor wait;
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    const std::string selectedID = SelectedID();
    HTREEITEM toSelect = nullptr;

    auto addMacros = [&](HTREEITEM parent, const char* appID, bool oneChildOnly) {
        int position = -1;
        while (TMacroRecord* macro = getNextMacro(&position, appID, false)) {
            // A collapsed group needs one child for its expand button; the
            // rest follows when it is expanded, however often it is built.
            if (oneChildOnly && view_.Child(parent)) break;
            if ((!showHidden_ && macro->Hidden) || macro->InTree) continue;
            HTREEITEM node = AddNode(parent, FieldText(macro->Name), macro, NodeImage(*macro));
            macro->InTree = 1;
            if (FieldText(macro->ID) == selectedID) toSelect = node;
        }
    };

    int position = -1;
    while (TBGroupRecord* group = getNextBGroup(&position)) {
        if (!groupID.empty() && FieldText(group->ID) != groupID) continue;
        HTREEITEM node;
        if (group->InTree) {
            node = view_.FindSibling(view_.Root(), reinterpret_cast<LPARAM>(group));
        } else {
            node = AddNode(TVI_ROOT, FieldText(group->Name), group, NodeImage(*group));
            group->InTree = 1;
            if (FieldText(group->ID) == selectedID) toSelect = node;
        }
        if (!node) continue;
        TItemID id;
        CopyItemID(id, group->ID);
        addMacros(node, id, !group->Expanded);
        if (group->Expanded) TreeView_Expand(Handle(), node, TVE_EXPAND);
    }
    if (groupID.empty()) addMacros(TVI_ROOT, "", false);

    Sort();
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    if (toSelect) view_.Select(toSelect);
}

void TItemTree::Rebuild() {
    const std::string selectedID = SelectedID();
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    view_.Clear();
    int position = -1;
    while (TBGroupRecord* group = getNextBGroup(&position)) group->InTree = 0;
    position = -1;
    while (TMacroRecord* macro = getNextMacro(&position, "", true)) macro->InTree = 0;
    Build("");
    Select(selectedID);
}

void TItemTree::Sort() {
    TVSORTCB sort{};
    sort.lpfnCompare = CompareByKindAndName;
    sort.hParent = TVI_ROOT;
    TreeView_SortChildrenCB(Handle(), &sort, FALSE);
    for (HTREEITEM node = view_.Root(); node; node = view_.NextSibling(node)) {
        sort.hParent = node;
        TreeView_SortChildrenCB(Handle(), &sort, FALSE);
    }
}

void TItemTree::RefreshSelected() {
    HTREEITEM node = view_.Selection();
    if (!node) return;
    const std::string id = IDOf(node);
    if (TBGroupRecord* group = getBGroup(id.c_str()))
        view_.SetText(node, std::string(FieldText(group->Name)), NodeImage(*group));
    else if (TMacroRecord* macro = getMacro(id.c_str()))
        view_.SetText(node, std::string(FieldText(macro->Name)), NodeImage(*macro));
    else
        return;
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool TItemTree::Select(const std::string& id) {
    if (id.empty()) return false;
    for (HTREEITEM node = view_.Root(); node; node = view_.NextSibling(node)) {
        for (HTREEITEM candidate = node; candidate;
             candidate = candidate == node ? view_.Child(node) : view_.NextSibling(candidate)) {
            if (IDOf(candidate) == id) {
                view_.Select(candidate);
                return true;
            }
        }
    }
    return false;
}

void TItemTree::SelectAt(POINT screen) {
    TVHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(Handle(), &hit.pt);
    if (HTREEITEM node = TreeView_HitTest(Handle(), &hit)) view_.Select(node);
}

std::string TItemTree::IDOf(HTREEITEM node) const {
    const char* id = node ? IDOfData(view_.Data(node)) : nullptr;
    return std::string(FixedText(id, kItemIDSize));
}

HTREEITEM TItemTree::ParentGroup(HTREEITEM node) const {
    if (!node) return nullptr;
    if (HTREEITEM parent = view_.Parent(node)) return parent;
    return NodeKind(IDOfData(view_.Data(node))) == 'A' ? node : nullptr;
}

void TItemTree::ItemExpanding(const NMTREEVIEWA& view) {
    // The macros are added while the node is still collapsed: adding
    // thousands of nodes to an open branch would redo its layout for
    // every one of them.
    TBGroupRecord* group = getBGroup(IDOfData(view.itemNew.lParam));
    if (group && (view.action & TVE_EXPAND)) {
        group->Expanded = 1;
        TItemID id;
        CopyItemID(id, group->ID);
        Build(id);
    }
}

void TItemTree::ItemExpanded(const NMTREEVIEWA& view) {
    TBGroupRecord* group = getBGroup(IDOfData(view.itemNew.lParam));
    if (group && (view.action & TVE_COLLAPSE)) group->Expanded = 0;
}
