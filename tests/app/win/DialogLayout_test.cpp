// Every dialog template that ships, laid out at 96, 144 and 192 DPI: no
// control reaches out of its dialog, and every text fits its control.
//
// The dialog manager sizes a template by its font, and an 8-point font at 144
// DPI is the 12-point font at 96 DPI. A template whose font size is raised by
// the DPI's factor therefore lays out here as it does on such a screen (only
// the system's own pictures, such as the check box, keep their size; the
// check allows for them at the larger size).
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/win/CommonControls.h"
#include "core/win/Dpi.h"
#include "tests/support/WinTestSupport.h"

namespace {

// The binaries that hold dialog templates; each must hold at least one.
const char* const kModules[] = {"Tovanix.exe",  "tovedit.dll", "tovshow.dll",  "tovnet.dll",
                                "tovirman.dll", "tovhid.dll",  "mediakeys.dll"};
const UINT kDpis[] = {96, 144, 192};

// Past a DLGTEMPLATEEX's name, class or title: an ordinal or a string.
const WORD* SkipNameOrOrdinal(const WORD* field) {
    if (*field == 0xFFFF) return field + 2;
    while (*field) ++field;
    return field + 1;
}

// A copy of the template with its font's point size scaled for the DPI;
// empty for a template that is no DIALOGEX with a font.
std::vector<WORD> TemplateAtDpi(const void* resource, DWORD size, UINT dpi) {
    std::vector<WORD> copy((size + 1) / 2);
    std::memcpy(copy.data(), resource, size);
    const WORD* words = copy.data();
    if (words[0] != 1 || words[1] != 0xFFFF) return {};
    const DWORD style = *reinterpret_cast<const DWORD*>(words + 6);
    if (!(style & DS_SETFONT)) return {};
    const WORD* field = words + 13;    // past the numbers and coordinates
    field = SkipNameOrOrdinal(field);  // menu
    field = SkipNameOrOrdinal(field);  // class
    field = SkipNameOrOrdinal(field);  // title
    WORD& points = copy[field - words];
    points = static_cast<WORD>(MulDiv(points, static_cast<int>(dpi), kDefaultDpi));
    return copy;
}

INT_PTR CALLBACK QuietProcedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The room the control's text needs, in the control's font; {0, 0} for a
// control whose text is no label.
SIZE NeededFor(HWND control, UINT dpi) {
    const std::string text = TextOf(control);
    const std::string kind = ClassOf(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (text.empty()) return {0, 0};
    UINT format = DT_CALCRECT;
    int extraWidth = 0;
    RECT box{};
    GetClientRect(control, &box);
    if (_stricmp(kind.c_str(), "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP)
            return {0, 0};
        if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
        format |= type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK;
    } else if (_stricmp(kind.c_str(), "Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        const bool check = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                           type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        if (check) {
            extraWidth = ScaleForDpi(16, dpi);  // the box and the gap after it
        } else if (type == BS_GROUPBOX) {
            extraWidth = ScaleForDpi(10, dpi);  // the frame's corner on each side
        } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            extraWidth = ScaleForDpi(4, dpi);  // the edge on each side
        } else {
            return {0, 0};
        }
        format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    } else {
        return {0, 0};
    }
    box.right -= extraWidth;
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT needed = box;
    DrawTextA(dc, text.c_str(), -1, &needed, format);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    // A single line's height is the control's business; wrapped text must fit.
    return {needed.right - needed.left + extraWidth,
            (format & DT_WORDBREAK) ? needed.bottom - needed.top : 0};
}

// What is wrong with the dialog's controls, one line each.
std::vector<std::string> LayoutFaults(HWND dialog, UINT dpi) {
    std::vector<std::string> faults;
    RECT client;
    GetClientRect(dialog, &client);
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        const std::string name =
            ClassOf(control) + " " + std::to_string(GetDlgCtrlID(control)) + " \"" + TextOf(control) + "\"";
        if (rect.left < 0 || rect.top < 0 || rect.right > client.right || rect.bottom > client.bottom)
            faults.push_back(name + " reaches out of the dialog");
        const SIZE needed = NeededFor(control, dpi);
        if (needed.cx > rect.right - rect.left)
            faults.push_back(name + " needs " + std::to_string(needed.cx) + " pixels of width, has " +
                             std::to_string(rect.right - rect.left));
        if (needed.cy > rect.bottom - rect.top)
            faults.push_back(name + " needs " + std::to_string(needed.cy) + " pixels of height, has " +
                             std::to_string(rect.bottom - rect.top));
    }
    return faults;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
    reinterpret_cast<std::vector<LPCSTR>*>(list)->push_back(
        IS_INTRESOURCE(name) ? name : _strdup(name));  // a named template's name lives only during the call
    return TRUE;
}

std::string NameOf(LPCSTR name) {
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name);
}

// The check itself finds a text too long for its label and a button beyond
// the dialog's edge, at every DPI, and nothing else.
TEST(DialogLayoutCheck, FindsTheFaultsOfADialogLaidOutWrongly) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(100), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    for (UINT dpi : kDpis) {
        const std::vector<WORD> layout =
            TemplateAtDpi(LockResource(LoadResource(module, found)), SizeofResource(module, found), dpi);
        ASSERT_FALSE(layout.empty());
        const HWND dialog = CreateDialogIndirectParamA(
            module, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), nullptr, QuietProcedure, 0);
        ASSERT_NE(dialog, nullptr);
        const std::vector<std::string> faults = LayoutFaults(dialog, dpi);
        ASSERT_EQ(faults.size(), 2u) << dpi << " DPI";
        EXPECT_EQ(faults[0].rfind("Static 1 \"A label far too long for its place\" needs ", 0), 0u)
            << faults[0];
        EXPECT_EQ(faults[1], "Button 3 \"Beyond\" reaches out of the dialog");
        DestroyWindow(dialog);
    }
}

class DialogLayout : public ::testing::TestWithParam<const char*> {};

TEST_P(DialogLayout, EveryControlLiesInsideItsDialogAndEveryTextFitsAt96To192Dpi) {
    RegisterCommonControls(ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES);
    const HMODULE module = LoadLibraryExA((TestProgramFolder() + GetParam()).c_str(), nullptr,
                                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    std::vector<LPCSTR> names;
    EnumResourceNamesA(module, RT_DIALOG, CollectName, reinterpret_cast<LONG_PTR>(&names));
    EXPECT_FALSE(names.empty());
    for (LPCSTR name : names) {
        const HRSRC found = FindResourceA(module, name, RT_DIALOG);
        ASSERT_NE(found, nullptr);
        const void* resource = LockResource(LoadResource(module, found));
        for (UINT dpi : kDpis) {
            const std::vector<WORD> layout = TemplateAtDpi(resource, SizeofResource(module, found), dpi);
            ASSERT_FALSE(layout.empty()) << "dialog " << NameOf(name) << " is no DIALOGEX with a font";
            const HWND dialog = CreateDialogIndirectParamA(
                module, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), nullptr, QuietProcedure, 0);
            ASSERT_NE(dialog, nullptr) << "dialog " << NameOf(name);
            for (const std::string& fault : LayoutFaults(dialog, dpi))
                ADD_FAILURE() << "\"" << TextOf(dialog) << "\" (dialog " << NameOf(name) << ", " << GetParam()
                              << ") at " << dpi << " DPI: " << fault;
            DestroyWindow(dialog);
        }
    }
    for (LPCSTR name : names)
        if (!IS_INTRESOURCE(name)) free(const_cast<char*>(name));
    FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(ShippedModules, DialogLayout, ::testing::ValuesIn(kModules),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
