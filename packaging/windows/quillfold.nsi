; The Quillfold installer for 64-bit Windows, built with makensis (NSIS 3).
; CMake configures this script with the version and the folder of the files
; to install (packaging/windows/Installer.cmake); the programs there are the
; stripped copies that the portable zip holds too.

Unicode true
; A 64-bit installer: it writes to the 64-bit Program Files and registry,
; and Windows on x64 and ARM64 runs it.
Target amd64-unicode
SetCompressor /SOLID lzma
; The installed files get the time they are installed at, not the time the
; build made them: that time would make each build's installer differ.
SetDateSave off
ManifestDPIAware true

!define QUILLFOLD_VERSION "@QUILLFOLD_VERSION_TEXT@"
!define QUILLFOLD_FILES "@QUILLFOLD_NSIS_FILES@"
!define QUILLFOLD_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillfold"
; The window, quillfold.exe, is installed and given a Start menu entry when
; the build made it.
@QUILLFOLD_NSIS_WINDOW_DEFINE@

Name "Quillfold"
Caption "Quillfold ${QUILLFOLD_VERSION} Setup"
OutFile "@QUILLFOLD_NSIS_OUTFILE@"
InstallDir "$PROGRAMFILES64\Quillfold"
; Program Files, HKLM and the all-users Start menu need an administrator.
RequestExecutionLevel admin
BrandingText "Quillfold ${QUILLFOLD_VERSION}"

VIProductVersion "${QUILLFOLD_VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Quillfold"
VIAddVersionKey /LANG=1033 "ProductVersion" "${QUILLFOLD_VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${QUILLFOLD_VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quillfold ${QUILLFOLD_VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "The Quillfold authors"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 The Quillfold authors"

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${QUILLFOLD_FILES}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\readme.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the read-me"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ; The 64-bit registry, a 64-bit installer's own anyway, named so that the
  ; entry can never drift to WOW6432Node; and the all-users Start menu, as
  ; Program Files is every user's.
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Quillfold" SectionMain
  SectionIn RO
  SetOutPath "$INSTDIR"
!ifdef QUILLFOLD_WINDOW
  File "${QUILLFOLD_FILES}/quillfold.exe"
!endif
  File "${QUILLFOLD_FILES}/quillfold-cli.exe"
  File "${QUILLFOLD_FILES}/readme.html"
  File "${QUILLFOLD_FILES}/screenshot.png"
  File "${QUILLFOLD_FILES}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

!ifdef QUILLFOLD_WINDOW
  CreateShortCut "$SMPROGRAMS\Quillfold.lnk" "$INSTDIR\quillfold.exe" "" \
                 "$INSTDIR\quillfold.exe" 0 SW_SHOWNORMAL "" \
                 "Write HTML pages that link to every file of a folder"
  !define QUILLFOLD_ICON "$INSTDIR\quillfold.exe,0"
!else
  !define QUILLFOLD_ICON "$INSTDIR\Uninstall.exe,0"
!endif

  ; The entry in Apps & features (Programs and Features).
  WriteRegStr HKLM "${QUILLFOLD_UNINSTALL_KEY}" "DisplayName" "Quillfold"
  WriteRegStr HKLM "${QUILLFOLD_UNINSTALL_KEY}" "DisplayVersion" "${QUILLFOLD_VERSION}"
  WriteRegStr HKLM "${QUILLFOLD_UNINSTALL_KEY}" "Publisher" "The Quillfold authors"
  WriteRegStr HKLM "${QUILLFOLD_UNINSTALL_KEY}" "DisplayIcon" "${QUILLFOLD_ICON}"
  WriteRegStr HKLM "${QUILLFOLD_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${QUILLFOLD_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${QUILLFOLD_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${QUILLFOLD_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${QUILLFOLD_UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, as the list shows it; measured, so it is what was installed.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${QUILLFOLD_UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Quillfold.lnk"
  ; The installed files by name: a folder chosen by hand may hold other
  ; files, and those stay, and so does the folder then.
  Delete "$INSTDIR\quillfold.exe"
  Delete "$INSTDIR\quillfold-cli.exe"
  Delete "$INSTDIR\readme.html"
  Delete "$INSTDIR\screenshot.png"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${QUILLFOLD_UNINSTALL_KEY}"
SectionEnd
