#include "core/win/TreeView.h"

HTREEITEM TTreeView::Insert(HTREEITEM parent, const std::string& text, LPARAM data, int image) {
    std::string copy = text;
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | (image >= 0 ? TVIF_IMAGE | TVIF_SELECTEDIMAGE : 0);
    insert.item.pszText = copy.data();
    insert.item.lParam = data;
    insert.item.iImage = insert.item.iSelectedImage = image;
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

HTREEITEM TTreeView::FindSibling(HTREEITEM first, LPARAM data) const {
    for (HTREEITEM node = first; node; node = NextSibling(node))
        if (Data(node) == data) return node;
    return nullptr;
}

LPARAM TTreeView::Data(HTREEITEM node) const {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    return SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

std::string TTreeView::Text(HTREEITEM node) const {
    char text[256] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    return SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? text : "";
}

void TTreeView::SetText(HTREEITEM node, const std::string& text, int image) {
    std::string copy = text;
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = node;
    item.pszText = copy.data();
    item.iImage = item.iSelectedImage = image;
    SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}
