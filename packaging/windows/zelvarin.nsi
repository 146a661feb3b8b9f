; The Windows installer of Zelvarin, made by scripts/build-windows with Debian's makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DEXE=... -DLICENCE=... -DICON=... -DOUTFILE=...
; It installs for all users under Program Files, adds a Start-menu shortcut and an entry in
; the list of installed programs, and writes an uninstaller that removes exactly that again.
; /S installs and uninstalls silently, as school IT deploys; the uninstall entry's
; QuietUninstallString returns only when everything is gone.

Unicode true
; A 64-bit setup: it runs where the program runs, installs into the 64-bit Program Files and
; writes the 64-bit registry view, where Windows looks first for installed programs.
Target amd64-unicode
SetCompressor /SOLID lzma
; The installed files get the time of their installation, not that of the build: the setup
; then holds no build time, and two builds of the same sources give the same bytes.
SetDateSave off
ManifestDPIAware true
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Zelvarin"
!define PUBLISHER "The Zelvarin developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvarin"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

; The setup's own Properties: the same identity as zelvarin.exe.
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zelvarin.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The texts follow the language of Windows: Bulgarian on a Bulgarian Windows, English on any
; other (the first language named is the one taken when none matches).
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Bulgarian"

LangString ShortcutComment ${LANG_ENGLISH} "Quiz on what Windows dialog windows mean"
LangString ShortcutComment ${LANG_BULGARIAN} "Тест за диалоговите прозорци на Windows"

Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Zelvarin"
    SetOutPath "$INSTDIR"
    File "/oname=zelvarin.exe" "${EXE}"
    File "/oname=LICENSE.txt" "${LICENCE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; Straight in the Start menu's program list, as Windows 10 and 11 show it.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\zelvarin.exe" "" \
        "$INSTDIR\zelvarin.exe" 0 SW_SHOWNORMAL "" "$(ShortcutComment)"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zelvarin.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    ; What a deployment tool runs to uninstall silently and wait for. Started plainly, an
    ; NSIS uninstaller copies itself to %TEMP%, starts the copy and returns at once, while
    ; the copy is still at work. With _?= (last and unquoted, spaces and all) it works in
    ; place and returns when it is done, but cannot delete itself while it runs: cmd.exe,
    ; which waits for it, then deletes it and the folder (unless somebody saved a file of
    ; their own there) and returns the uninstaller's exit code when that is not 0.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$SYSDIR\cmd.exe" /d /s /c ""$INSTDIR\uninstall.exe" /S _?=$INSTDIR&& del "$INSTDIR\uninstall.exe" && rd "$INSTDIR""'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KiB, as the list of installed programs reads it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the section above put there. The folder goes only when it is empty, so nothing a
; user saved into it is lost.
Section "Uninstall"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\zelvarin.exe"
    Delete "$INSTDIR\LICENSE.txt"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Run in place (_?=), the uninstaller is still running here and stays; whoever ran it
    ; deletes it and the folder (QuietUninstallString above).
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
