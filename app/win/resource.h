// Resource identifiers of Tovanix.exe.
#pragma once

// Icons (named resources MAINICON, TRAYENABLE, ... are used by name).
#define IDI_MAINICON 1

// Menus and accelerators.
#define IDM_MAINMENU 100
#define IDM_POPUP 101
#define IDM_TRAY 102
#define IDA_MAIN 103

// Menu commands: one ID wherever a command appears (main menu, tree menu,
// tray menu, accelerators).
#define IDM_ACTIVATE 200
#define IDM_EXIT 201
#define IDM_SETTINGS 202
#define IDM_SHOWHIDE 203
#define IDM_ADDGROUP 216
#define IDM_ADDGROUPMACRO 217
#define IDM_ADDMACRO 218
#define IDM_EDITITEM 219
#define IDM_DISABLE 210
#define IDM_HIDE 211
#define IDM_CUT 212
#define IDM_COPY 213
#define IDM_PASTE 214
#define IDM_DELETE 215
#define IDM_LEARN 220
#define IDM_BATCHLEARN 221
#define IDM_SHOWLEARNT 222
#define IDM_REMOVELEARN 223
#define IDM_IMPORT 230
#define IDM_EXPORT 231
#define IDM_BUTTONPANEL 232
#define IDM_MONITOR 233
#define IDM_CONTENTS 240
#define IDM_HELP 241
#define IDM_ABOUT 242

// Controls of the main window.
#define IDC_MAIN_TREE 300
#define IDC_MAIN_ACTIVATE 301
#define IDC_MAIN_START 302
#define IDC_MAIN_ACTIONS 303
#define IDC_MAIN_STARTUPLABEL 304
#define IDC_MAIN_HIDDEN 305

// The receiver monitor.
#define IDC_MONITOR_LIST 501
#define IDC_MONITOR_CLEAR 502
#define IDC_MONITOR_COPY 503

// The About box.
#define IDD_ABOUT 400
#define IDC_ABOUT_VERSION 401
