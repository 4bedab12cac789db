#include "editing/win/ListHint.h"

#include <commctrl.h>

namespace {

// Long click descriptions wrap rather than run off the screen.
constexpr int kTipWidth = 300;

TOOLINFOA Tool(HWND list, char* text) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(list);
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    tool.lpszText = text;
    return tool;
}

}  // namespace

void ListHint::Attach(HWND list, HintFor hintFor) {
    list_ = list;
    hintFor_ = std::move(hintFor);
    text_ = hintFor_(-1);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, GetParent(list), nullptr, nullptr, nullptr);
    TOOLINFOA tool = Tool(list_, text_.data());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    SetWindowSubclass(list_, &ListProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

void ListHint::Detach() {
    if (!list_) return;
    RemoveWindowSubclass(list_, &ListProcedure, 0);
    list_ = nullptr;
}

LRESULT CALLBACK ListHint::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
    if (message == WM_MOUSEMOVE) {
        try {
            reinterpret_cast<ListHint*>(self)->MouseMoved(lParam);
        } catch (...) {
            // A hint that could not be made keeps the previous one.
        }
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

void ListHint::MouseMoved(LPARAM position) {
    const LRESULT found = SendMessageA(list_, LB_ITEMFROMPOINT, 0, position);
    // The high word tells that the point lies beyond the rows.
    const int row = HIWORD(found) ? -1 : static_cast<int>(LOWORD(found));
    std::string text = hintFor_(row);
    if (text != text_) ShowText(std::move(text));
}

void ListHint::ShowText(std::string text) {
    text_ = std::move(text);
    TOOLINFOA tool = Tool(list_, text_.data());
    SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}
