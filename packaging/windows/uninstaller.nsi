; Quillfold's uninstaller, Uninstall.exe, built by a makensis run of its own
; before the installer's: NSIS writes an uninstaller from the stub of the
; installer it belongs to, version information included, so the one
; quillfold.nsi would write would say "Setup". This run's installer is
; never shipped; !uninstfinalize copies out the uninstaller it makes, which
; quillfold.nsi installs as a file (signed first, when the downloads are).

!include "@QUILLFOLD_NSIS_COMMON@"

OutFile "@QUILLFOLD_NSIS_UNINSTALLER_STUB@"
VIAddVersionKey /LANG=1033 "FileDescription" "Quillfold ${QUILLFOLD_VERSION} Uninstall"
!uninstfinalize '"@CMAKE_COMMAND@" -E copy "%1" "@QUILLFOLD_NSIS_MADE_UNINSTALLER@"'

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!insertmacro QUILLFOLD_REFUSE_WHILE_RUNNING "un."

; Only makes makensis write the uninstaller.
Section
  WriteUninstaller "$TEMP\Uninstall.exe"
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  Call un.RefuseWhileRunning
FunctionEnd

Section "Uninstall"
  ; Started while the confirmation was shown.
  Call un.RefuseWhileRunning
  ; The entry, the shortcut and Explorer's entries are this copy's only when
  ; the entry names this folder; another install's stay.
  ReadRegStr $0 HKLM "${QUILLFOLD_UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Delete "$SMPROGRAMS\Quillfold.lnk"
    DeleteRegKey HKLM "${QUILLFOLD_FOLDER_MENU_KEY}"
    DeleteRegKey HKLM "${QUILLFOLD_BACKGROUND_MENU_KEY}"
    DeleteRegKey HKLM "${QUILLFOLD_UNINSTALL_KEY}"
  ${EndIf}
  ; The installed files by name: a folder chosen by hand may hold other
  ; files, and those stay, and so does the folder then.
  Delete "$INSTDIR\quillfold.exe"
  Delete "$INSTDIR\quillfold-cli.exe"
  Delete "$INSTDIR\readme.html"
  Delete "$INSTDIR\screenshot.png"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
