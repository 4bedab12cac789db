// The launch dialog as the user meets it: a new command, typed or browsed,
// with its options, refused parameters, and an existing command edited.
#include "editing/win/TdlgLaunchApp.h"

#include <windows.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/LaunchAppModel.h"
#include "editing/win/TdlgLaunchAppRes.h"
#include "tests/editing/win/DialogTestSteps.h"

namespace {

using namespace steps;

// Chooses the file in the open dialog that the dialog shows.
Step ChooseFile(std::string path) {
    return Await("the open dialog", [=](HWND dialog) {
        HWND open = OwnedDialog(dialog);
        if (!open) return false;
        SetDlgItemTextA(open, GetDlgItem(open, cmb13) ? cmb13 : edt1, path.c_str());
        PostMessageA(open, WM_COMMAND, IDOK, 0);
        return true;
    });
}

TEST(CommandDialogs, NewLaunch) {
    const TokenCase cases[] = {
        {"one instance by default",
         {ExpectChecked(IDC_LAUNCHAPP_CBDEACTIVATE, false), ExpectLimit(IDC_LAUNCHAPP_TXTFILENAME, 80),
          ExpectLimit(IDC_LAUNCHAPP_TXTPARAM, 50), Type(IDC_LAUNCHAPP_TXTFILENAME, "C:\\Tools\\ed.exe"), ok},
         "LAUNCH:I:C:\\Tools\\ed.exe"},
        {"a file from the browse button, options and parameters",
         {Click(IDC_LAUNCHAPP_BTNBROWSE), ChooseFile("C:\\windows\\notepad.exe"),
          ExpectText(IDC_LAUNCHAPP_TXTFILENAME, "C:\\windows\\notepad.exe"),
          Click(IDC_LAUNCHAPP_CBDEACTIVATE), Click(IDC_LAUNCHAPP_CBINSTANCE),
          Type(IDC_LAUNCHAPP_TXTPARAM, "readme.txt"), ok},
         "LAUNCH:D:C:\\windows\\notepad.exe readme.txt"},
        {"parameters for a document are refused",
         {Type(IDC_LAUNCHAPP_TXTFILENAME, "C:\\notes.txt"), Type(IDC_LAUNCHAPP_TXTPARAM, "/p"), ok,
          AnswerMessage(kParametersNeedAProgram.text, "Launch file"), AwaitFocus(IDC_LAUNCHAPP_TXTPARAM),
          Type(IDC_LAUNCHAPP_TXTPARAM, ""), ok},
         "LAUNCH:I:C:\\notes.txt"},
        {"cancelled", {Type(IDC_LAUNCHAPP_TXTFILENAME, "x.exe"), cancel}, ""},
    };
    ExpectTokens(cases, [](const char*) { return getLaunchCommand(nullptr); });
}

// What the launch dialog shows: file, parameters and the two boxes.
std::vector<Step> Shows(const char* file, const char* parameters, bool deactivate, bool instance) {
    return {ExpectText(IDC_LAUNCHAPP_TXTFILENAME, file), ExpectText(IDC_LAUNCHAPP_TXTPARAM, parameters),
            ExpectChecked(IDC_LAUNCHAPP_CBDEACTIVATE, deactivate),
            ExpectChecked(IDC_LAUNCHAPP_CBINSTANCE, instance)};
}

TEST(CommandDialogs, EditLaunch) {
    // The name is the command being edited.
    const TokenCase cases[] = {
        {"LAUNCH:I:C:\\Tools\\ed.exe", Shows("C:\\Tools\\ed.exe", "", false, true) + std::vector{ok},
         "LAUNCH:I:C:\\Tools\\ed.exe"},
        {"LAUNCH:D:\\Tools\\x.exe", Shows("D:\\Tools\\x.exe", "", false, false) + std::vector{ok},
         "LAUNCH:D:\\Tools\\x.exe"},
        {"LAUNCH:D:I:C:\\x.bat /y",
         Shows("C:\\x.bat", "/y", true, true) + std::vector{Click(IDC_LAUNCHAPP_CBDEACTIVATE), ok},
         "LAUNCH:I:C:\\x.bat /y"},
        {"LAUNCH:I:y.exe", {Type(IDC_LAUNCHAPP_TXTFILENAME, "z.exe"), cancel}, "cancelled"},
    };
    ExpectTokens(cases,
                 [](const char* token) { return editLaunchCommand(nullptr, token).value_or("cancelled"); });
}

}  // namespace
