; The Windows installer of Tovanix, built by tools/package with makensis.
; Defines given by the packaging script: VERSION, PAYLOAD (the staged files),
; PAYLOAD_LIST (the generated InstallPayload and RemovePayload macros), ICON,
; OUTFILE.
;
; Per user, without administrator rights: the program, its command file and
; its button list share one folder that the user can write.
; Tovanix is a 64-bit program, and so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Tovanix"
!define PUBLISHER "Morvale"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALLER "Uninstall.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!include "${PAYLOAD_LIST}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tovanix.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Files of a running Tovanix cannot be replaced or removed.
!macro WaitUntilTovanixCloses
  retry:
    FindWindow $0 "TfrmMain"
    StrCmp $0 0 done
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tovanix is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
    Abort
  done:
!macroend

Section "Tovanix" SecProgram
  SectionIn RO
  !insertmacro WaitUntilTovanixCloses
  SetShellVarContext current
  !insertmacro InstallPayload
  ; The samples only where the user has no command file or button list of their own.
  SetOutPath "$INSTDIR"
  SetOverwrite off
  File "${PAYLOAD}\TOVANIX.CMD"
  File "${PAYLOAD}\BTNLIST.TXT"
  SetOverwrite on

  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Tovanix.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tovanix.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start with Windows" SecStartWithWindows
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Tovanix.exe"'
SectionEnd

; Without the choice, an earlier one is undone.
Section "-ForgetStartWithWindows"
  SectionGetFlags ${SecStartWithWindows} $0
  IntOp $0 $0 & ${SF_SELECTED}
  StrCmp $0 ${SF_SELECTED} +2
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
SectionEnd

; The command file and the button list are the user's: they stay, and so
; does the folder that holds them.
Section "Uninstall"
  !insertmacro WaitUntilTovanixCloses
  SetShellVarContext current
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !insertmacro RemovePayload
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  ; Last, so that whoever waits for the uninstaller can watch for it.
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
