; The Windows installer of Zelvarin, made by packaging/windows/build-setup with Debian's makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DEXE=... -DLICENCE=... -DICON=...
;            -DUPGRADE_CODE={...} -DOUTFILE=...
; It installs for all users under Program Files, adds a Start-menu shortcut and an entry in
; the list of installed programs, and writes an uninstaller that removes exactly that again.
; /S installs and uninstalls silently, as school IT deploys; the uninstall entry's
; QuietUninstallString returns only when everything is gone.
;
; What it refuses, changing nothing, with the exit codes deployment tools read (the README's
; "Installing in a computer room" lists them): a version older than the one installed, and a
; machine where the MSI (upgrade code UPGRADE_CODE) has installed Zelvarin, so that one
; Zelvarin is installed and one tool owns it (1603, failed); and an install, upgrade or
; removal while zelvarin.exe runs, which Windows lets nobody replace or remove then (1618,
; which Intune and SCCM retry later).

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
!include "LogicLib.nsh"
!include "WordFunc.nsh"

!define PRODUCT "Zelvarin"
!define PUBLISHER "The Zelvarin developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvarin"
!define EXIT_REFUSED 1603
!define EXIT_IN_USE 1618

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An upgrade goes where the installed version is (unless /D= says otherwise).
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
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
LangString ProgramRunning ${LANG_ENGLISH} \
    "Zelvarin is running on this computer. Close the quiz and try again."
LangString ProgramRunning ${LANG_BULGARIAN} \
    "Zelvarin е отворен на този компютър. Затворете теста и опитайте отново."
; $0: the installed version.
LangString NewerInstalled ${LANG_ENGLISH} \
    "Zelvarin $0 is installed, which is newer than ${VERSION}. Nothing was changed."
LangString NewerInstalled ${LANG_BULGARIAN} \
    "Инсталиран е Zelvarin $0, който е по-нов от ${VERSION}. Нищо не е променено."
LangString InstalledByMsi ${LANG_ENGLISH} \
    "Zelvarin is installed from its Windows Installer package (MSI). Remove it in Settings > Apps before running this setup. Nothing was changed."
LangString InstalledByMsi ${LANG_BULGARIAN} \
    "Zelvarin е инсталиран от пакета си за Windows Installer (MSI). Премахнете го от „Настройки“ → „Приложения“, преди да пуснете тази инсталация. Нищо не е променено."

Function .onInit
    SetShellVarContext all
    SetRegView 64
    ; 0 when a product of the MSI's upgrade code is installed, 259 (no more items) when none.
    System::Call 'msi::MsiEnumRelatedProductsW(w "${UPGRADE_CODE}", i 0, i 0, w .r1) i .r0'
    ${If} $0 = 0
        MessageBox MB_OK|MB_ICONSTOP "$(InstalledByMsi)" /SD IDOK
        SetErrorLevel ${EXIT_REFUSED}
        Quit
    ${EndIf}
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $0 != ""
        ${VersionCompare} $0 "${VERSION}" $1
        ${If} $1 = 1
            MessageBox MB_OK|MB_ICONSTOP "$(NewerInstalled)" /SD IDOK
            SetErrorLevel ${EXIT_REFUSED}
            Quit
        ${EndIf}
    ${EndIf}
    ; Said before the wizard starts. Opening the file for writing changes nothing, and fails
    ; while the program runs; the install section checks again, as the quiz may be started
    ; in between.
    ${If} ${FileExists} "$INSTDIR\zelvarin.exe"
      running:
        ClearErrors
        FileOpen $0 "$INSTDIR\zelvarin.exe" a
        ${If} ${Errors}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY running
            SetErrorLevel ${EXIT_IN_USE}
            Quit
        ${EndIf}
        FileClose $0
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Zelvarin"
    SetOutPath "$INSTDIR"
    ; zelvarin.exe first, and nothing else until it is in place: while a pupil has the quiz
    ; open it cannot be replaced, and the installation must stay as it was, entry and all.
    ; With "try" a file that cannot be written is skipped with the error flag set, instead of
    ; a box that /S would answer with Ignore.
    SetOverwrite try
  program:
    ClearErrors
    File "/oname=zelvarin.exe" "${EXE}"
    ${If} ${Errors}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY program
        SetErrorLevel ${EXIT_IN_USE}
        Abort "$(ProgramRunning)"
    ${EndIf}
    SetOverwrite on
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
    ; their own there), and only when it succeeded; else cmd.exe returns its exit code. The
    ; test is "if not errorlevel 1", as Wine's cmd.exe runs what follows && even after a
    ; failure, and would delete the uninstaller of an installation that is still there.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$SYSDIR\cmd.exe" /d /s /c ""$INSTDIR\uninstall.exe" /S _?=$INSTDIR& if not errorlevel 1 del "$INSTDIR\uninstall.exe"& if not errorlevel 1 rd "$INSTDIR""'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KiB, as the list of installed programs reads it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the section above put there. The folder goes only when it is empty, so nothing a
; user saved into it is lost.
Section "Uninstall"
    ; zelvarin.exe first, for the reason given in the install section: a running program
    ; cannot be removed, and then its shortcut and entry stay too.
  program:
    ClearErrors
    Delete "$INSTDIR\zelvarin.exe"
    ${If} ${Errors}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY program
        SetErrorLevel ${EXIT_IN_USE}
        Abort "$(ProgramRunning)"
    ${EndIf}
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\LICENSE.txt"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Run in place (_?=), the uninstaller is still running here and stays; whoever ran it
    ; deletes it and the folder (QuietUninstallString above).
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
