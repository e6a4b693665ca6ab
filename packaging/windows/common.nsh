; What the installer (quillfold.nsi) and the uninstaller (uninstaller.nsi)
; share. CMake configures it (packaging/windows/Installer.cmake).

Unicode true
; 64-bit programs: they write to the 64-bit Program Files and registry, and
; Windows on x64 and ARM64 runs them.
Target amd64-unicode
SetCompressor /SOLID lzma
; The installed files get the time they are installed at, not the time the
; build made them: that time would make each build's installer differ.
SetDateSave off
ManifestDPIAware true

!define QUILLFOLD_VERSION "@QUILLFOLD_VERSION_TEXT@"
!define QUILLFOLD_FILES "@QUILLFOLD_NSIS_FILES@"
!define QUILLFOLD_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillfold"
; Explorer's "Open in Quillfold" on a folder and on a folder's background,
; for all users.
!define QUILLFOLD_FOLDER_MENU_KEY "Software\Classes\Directory\shell\Quillfold"
!define QUILLFOLD_BACKGROUND_MENU_KEY "Software\Classes\Directory\Background\shell\Quillfold"
; Exit statuses beyond NSIS's own (0 done, 1 cancelled by the user).
!define QUILLFOLD_EXIT_FOLDER 2
!define QUILLFOLD_EXIT_RUNNING 3
; The window, quillfold.exe, is installed with a Start menu entry and
; Explorer's menu entries when the build made it; the installer and the
; uninstaller show its icon.
@QUILLFOLD_NSIS_WINDOW_DEFINE@
@QUILLFOLD_NSIS_ICON_DEFINE@

Name "Quillfold"
InstallDir "$PROGRAMFILES64\Quillfold"
; Program Files, HKLM and the all-users Start menu need an administrator.
RequestExecutionLevel admin
BrandingText "Quillfold ${QUILLFOLD_VERSION}"

VIProductVersion "${QUILLFOLD_VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Quillfold"
VIAddVersionKey /LANG=1033 "ProductVersion" "${QUILLFOLD_VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${QUILLFOLD_VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "The Quillfold authors"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 The Quillfold authors"

!include "MUI2.nsh"
!include "LogicLib.nsh"

; Whether a Quillfold program runs: each holds a mutex of this name for its
; life (platform/windows/running_mark.h). Sets $R0 to 1 when it is held:
; opened, or there but kept from us by another user's rights; only "not
; found" (2) means none runs.
!macro QUILLFOLD_MARK_HELD NAME
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${NAME}") p .r1 ?e'
  Pop $2
  ${If} $1 P<> 0
    System::Call 'kernel32::CloseHandle(p r1)'
    StrCpy $R0 1
  ${ElseIf} $2 <> 2
    StrCpy $R0 1
  ${EndIf}
!macroend

; Returns once no Quillfold runs. While one does, asks the user to close it
; (Retry, Cancel); cancelled, or silent, the program ends with status 3
; before it has changed anything.
!macro QUILLFOLD_REFUSE_WHILE_RUNNING UN
Function ${UN}RefuseWhileRunning
  Push $1
  Push $2
  Push $R0
  retry:
    StrCpy $R0 0
    !insertmacro QUILLFOLD_MARK_HELD "Global\Quillfold-running"
    !insertmacro QUILLFOLD_MARK_HELD "Local\Quillfold-running"
    ${If} $R0 = 1
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Quillfold is running. Close every Quillfold window and command line, then press Retry." \
        /SD IDCANCEL IDRETRY retry
      SetErrorLevel ${QUILLFOLD_EXIT_RUNNING}
      Quit
    ${EndIf}
  Pop $R0
  Pop $2
  Pop $1
FunctionEnd
!macroend
