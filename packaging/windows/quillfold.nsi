; The Quillfold installer for 64-bit Windows, built with makensis (NSIS 3).
; CMake configures this script with the version and the folder of the files
; to install (packaging/windows/Installer.cmake); the programs there are the
; stripped copies that the portable zip holds too. The uninstaller is built
; beforehand by uninstaller.nsi and installed as a file, so that it carries
; version information of its own.

!include "@QUILLFOLD_NSIS_COMMON@"
!include "FileFunc.nsh"

Caption "Quillfold ${QUILLFOLD_VERSION} Setup"
OutFile "@QUILLFOLD_NSIS_OUTFILE@"
VIAddVersionKey /LANG=1033 "FileDescription" "Quillfold ${QUILLFOLD_VERSION} Setup"

; The folder of an installed Quillfold, empty when none is.
Var InstalledIn

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${QUILLFOLD_FILES}/LICENSE.txt"
; Shown only for a first install: an installed Quillfold is replaced where
; it is, so that there is one copy and one entry in Apps & features.
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderWhenInstalled
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The installer runs as an administrator, and a browser it started would
; too (as the administrator whose password a standard user typed, even):
; Explorer is asked to open the page instead, and the Explorer already
; running, the user's shell, opens it with the user's own rights.
!define MUI_FINISHPAGE_SHOWREADME ""
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION ShowReadMe
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the read-me"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

!insertmacro QUILLFOLD_REFUSE_WHILE_RUNNING ""

Function .onInit
  ; The 64-bit registry, a 64-bit installer's own anyway, named so that the
  ; entry can never drift to WOW6432Node; and the all-users Start menu, as
  ; Program Files is every user's.
  SetRegView 64
  SetShellVarContext all
  Call RefuseWhileRunning
  ; Whatever /D= says: a second copy elsewhere would take over the entry,
  ; and the first one's uninstaller would then remove it.
  ReadRegStr $InstalledIn HKLM "${QUILLFOLD_UNINSTALL_KEY}" "InstallLocation"
  ${If} $InstalledIn != ""
    StrCpy $INSTDIR $InstalledIn
    Return
  ${EndIf}
  ; NSIS puts the default folder in place of a /D= folder it finds invalid
  ; (on a drive that is not there), and would install there. The folder
  ; asked for is kept instead, so that the install fails on it. It is read
  ; as NSIS reads it: after the first " /D=", the rest of the command line.
  System::Call 'kernel32::GetCommandLineW() t .r0'
  StrLen $2 $0
  ${For} $3 0 $2
    StrCpy $1 $0 4 $3
    ${If} $1 S== " /D="
      IntOp $3 $3 + 4
      StrCpy $1 $0 "" $3
      StrCpy $2 $1 "" -1
      ${If} $2 == "\"
        StrCpy $1 $1 -1
      ${EndIf}
      StrCpy $INSTDIR $1
      ${Break}
    ${EndIf}
  ${Next}
FunctionEnd

Function ShowReadMe
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\readme.html"'
FunctionEnd

Function SkipFolderWhenInstalled
  ${If} $InstalledIn != ""
    Abort
  ${EndIf}
FunctionEnd

Section "Quillfold" SectionMain
  SectionIn RO
  ; Started while the pages were shown.
  Call RefuseWhileRunning
  ; A folder that cannot be made (a drive that is not there) or written
  ; ends the install before anything is installed.
  ClearErrors
  CreateDirectory "$INSTDIR"
  GetTempFileName $0 "$INSTDIR"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "Quillfold cannot be installed in $INSTDIR: the folder cannot be made or written to." /SD IDOK
    SetErrorLevel ${QUILLFOLD_EXIT_FOLDER}
    Quit
  ${EndIf}
  Delete $0

  SetOutPath "$INSTDIR"
!ifdef QUILLFOLD_WINDOW
  File "${QUILLFOLD_FILES}/quillfold.exe"
!endif
  File "${QUILLFOLD_FILES}/quillfold-cli.exe"
  File "${QUILLFOLD_FILES}/readme.html"
  File "${QUILLFOLD_FILES}/screenshot.png"
  File "${QUILLFOLD_FILES}/LICENSE.txt"
  File "/oname=Uninstall.exe" "@QUILLFOLD_NSIS_UNINSTALLER@"

!ifdef QUILLFOLD_WINDOW
  ; The shortcut's "Start in", the window's first folder, is each user's
  ; own profile folder, kept unexpanded in the shortcut: the installation
  ; folder is not the user's to write in, and the installing administrator's
  ; folder is not another user's. $OUTDIR is what CreateShortcut takes.
  StrCpy $OUTDIR "%USERPROFILE%"
  CreateShortCut "$SMPROGRAMS\Quillfold.lnk" "$INSTDIR\quillfold.exe" "" \
                 "$INSTDIR\quillfold.exe" 0 SW_SHOWNORMAL "" \
                 "Write HTML pages that link to every file of a folder"
  !define QUILLFOLD_ICON "$INSTDIR\quillfold.exe,0"

  ; Explorer's menu of a folder (%1, the folder) and of the background of
  ; an open folder (%V, the folder shown).
  WriteRegStr HKLM "${QUILLFOLD_FOLDER_MENU_KEY}" "" "Open in Quillfold"
  WriteRegStr HKLM "${QUILLFOLD_FOLDER_MENU_KEY}" "Icon" "${QUILLFOLD_ICON}"
  WriteRegStr HKLM "${QUILLFOLD_FOLDER_MENU_KEY}\command" "" '"$INSTDIR\quillfold.exe" "%1"'
  WriteRegStr HKLM "${QUILLFOLD_BACKGROUND_MENU_KEY}" "" "Open in Quillfold"
  WriteRegStr HKLM "${QUILLFOLD_BACKGROUND_MENU_KEY}" "Icon" "${QUILLFOLD_ICON}"
  WriteRegStr HKLM "${QUILLFOLD_BACKGROUND_MENU_KEY}\command" "" '"$INSTDIR\quillfold.exe" "%V"'
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
