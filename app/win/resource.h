// Resource identifiers of Tovanix.exe.
#pragma once

// Icons (named resources MAINICON, TRAYENABLE, ... are used by name).
#define IDI_MAINICON 1

// Menus and accelerators.
#define IDM_MAINMENU 100
#define IDM_POPUP 101
#define IDM_TRAY 102
#define IDA_MAIN 103

// Menu commands.
#define IDM_ACTIVATE 200
#define IDM_EXIT 201
#define IDM_SETTINGS 202
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
#define IDM_CONTENTS 240
#define IDM_HELP 241
#define IDM_ABOUT 242
#define IDM_POPUP_DISABLE 250
#define IDM_POPUP_HIDE 251
#define IDM_POPUP_REMOVELEARN 252
#define IDM_POPUP_LEARN 253
#define IDM_POPUP_BATCHLEARN 254
#define IDM_POPUP_SHOWLEARNT 255
#define IDM_TRAY_SHOW 260
#define IDM_TRAY_ACTIVATE 261
#define IDM_TRAY_CLOSE 262
#define IDM_TRAY_BTNPANEL 263

// Controls of the main window.
#define IDC_MAIN_TREE 300
#define IDC_MAIN_ACTIVATE 301
#define IDC_MAIN_START 302
#define IDC_MAIN_ACTIONS 303
#define IDC_MAIN_STARTUPLABEL 304
#define IDC_MAIN_HIDDEN 305

// The About box.
#define IDD_ABOUT 400
#define IDC_ABOUT_VERSION 401
