// The tooltip of a list box that follows the row under the mouse.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class ListHint {
  public:
    // The hint over a row; row -1 is over no row.
    using HintFor = std::function<std::string(int row)>;

    ListHint() = default;
    ListHint(const ListHint&) = delete;
    ListHint& operator=(const ListHint&) = delete;
    ~ListHint() { Detach(); }

    // The tooltip belongs to the list's dialog and goes with it.
    void Attach(HWND list, HintFor hintFor);
    void Detach();

  private:
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self);
    void MouseMoved(LPARAM position);
    void ShowText(std::string text);

    HWND list_ = nullptr;
    HWND tooltip_ = nullptr;
    HintFor hintFor_;
    std::string text_;
};
