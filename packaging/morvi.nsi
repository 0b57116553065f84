; Morvi's setup program, in French: for the current user, without
; administrator rights, in %LOCALAPPDATA%\Programs\Morvi. The build passes
; VERSION, PUBLISHER, PROGRAM (Morvi.exe), ICON and OUTFILE (packaging/CMakeLists.txt).
; /S installs without a question; a setup started while Morvi runs asks to
; close it first, and in silent mode ends with exit code 2 before touching anything.
; Morvi is a 64-bit program, and so is its setup.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
; The same program gives the same setup bytes: no file dates are stored.
SetDateSave off

!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvi"
!define UNINSTALLER "Uninstall.exe"
; The main window: the program's own window class and its caption.
!define MAIN_WINDOW_CLASS "MorviControl"
!define MAIN_WINDOW_CAPTION "Impression de Morvi (règle graduée)"

Name "Morvi"
OutFile "${OUTFILE}"
BrandingText "Morvi ${VERSION}"
; A new version goes where the one before it is.
InstallDir "$LOCALAPPDATA\Programs\Morvi"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Morvi.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "Morvi"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de Morvi ${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_FRENCH} "LegalCopyright" "© ${PUBLISHER}"

; Files in use cannot be replaced or removed: Morvi has to be closed first.
!macro WAIT_UNTIL_MORVI_IS_CLOSED
  check:
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "${MAIN_WINDOW_CAPTION}"
    StrCmp $0 0 closed
    IfSilent 0 ask
      SetErrorLevel 2
      Quit
  ask:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Morvi est ouvert. Fermez Morvi, puis réessayez." /SD IDCANCEL IDRETRY check
    SetErrorLevel 1
    Quit
  closed:
!macroend

Function .onInit
  !insertmacro WAIT_UNTIL_MORVI_IS_CLOSED
FunctionEnd

Function un.onInit
  !insertmacro WAIT_UNTIL_MORVI_IS_CLOSED
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "/oname=Morvi.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\Morvi.lnk" "$INSTDIR\Morvi.exe"

  ; The entry of "Applications et fonctionnalités".
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Morvi"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Morvi.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The settings file (%APPDATA%\Plandrel\Plandrel.ini) holds the user's
; calibration: it stays.
Section "Uninstall"
  Delete "$INSTDIR\Morvi.exe"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; This is the uninstaller's copy in the temporary folder; the first one,
  ; which started it, may not have ended yet, and until it has, its file is
  ; still in the folder (deleted, it goes when its last handle closes) and
  ; the folder cannot go: try again for up to five seconds.
  StrCpy $0 0
  remove_folder:
    RMDir "$INSTDIR"
    IfFileExists "$INSTDIR\*.*" 0 folder_removed
    IntOp $0 $0 + 1
    IntCmp $0 50 folder_removed
    Sleep 100
    Goto remove_folder
  folder_removed:
  Delete "$SMPROGRAMS\Morvi.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
