; The installer of Velmora for Windows (made by tools/windows/package.sh, which defines VERSION,
; ICON, LICENCE, FILES, UNFILES and OUTFILE).
;
; Without administrator rights it installs for the current user, into
; %LOCALAPPDATA%\Programs\Velmora; run elevated, for all users, into Program Files. /CurrentUser
; installs for the current user in any case; /D=FOLDER (the last option, unquoted) installs into
; FOLDER. /S installs silently, and the uninstaller's /S removes silently; the uninstaller keeps
; the user's settings unless its page's box is ticked or /RemoveSettings is given. Over the MSI's
; installation it installs nothing: it says so, and ends with status 2. Its pages are in Russian or
; in English, after the system's language.

Unicode true
; A 64-bit installer: a 32-bit one would see the 32-bit Program Files and registry.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS Win10

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"

Name "Velmora"
OutFile "${OUTFILE}"
BrandingText "Velmora ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Velmora"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Velmora ${VERSION} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "The Velmora developers"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (c) 2026 The Velmora developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmora.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the one for a system in neither language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

LangString ProgramSection ${LANG_ENGLISH} "Velmora"
LangString ProgramSection ${LANG_RUSSIAN} "Velmora"
LangString ProgramDescription ${LANG_ENGLISH} "The program and a shortcut in the Start menu."
LangString ProgramDescription ${LANG_RUSSIAN} "Программа и ярлык в меню «Пуск»."
LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopSection ${LANG_RUSSIAN} "Ярлык на рабочем столе"
LangString DesktopDescription ${LANG_ENGLISH} "A shortcut to Velmora on the desktop."
LangString DesktopDescription ${LANG_RUSSIAN} "Ярлык Velmora на рабочем столе."
LangString ShortcutComment ${LANG_ENGLISH} "A coil in an alternating-current circuit"
LangString ShortcutComment ${LANG_RUSSIAN} "Катушка в цепи переменного тока"
LangString SettingsSection ${LANG_ENGLISH} "Settings"
LangString SettingsSection ${LANG_RUSSIAN} "Настройки"
LangString SettingsDescription ${LANG_ENGLISH} \
    "Also remove your settings of Velmora (its size, language and element); others' stay."
LangString SettingsDescription ${LANG_RUSSIAN} \
    "Удалить и ваши настройки Velmora (размер, язык, элемент цепи); настройки других остаются."
LangString MsiInstalled ${LANG_ENGLISH} \
    "Velmora is already installed in $0 from its MSI package. Remove that installation first \
    (Settings, Apps, Velmora, Uninstall), then run this setup again."
LangString MsiInstalled ${LANG_RUSSIAN} \
    "Velmora уже установлена в $0 из пакета MSI. Сначала удалите эту установку \
    («Параметры», «Приложения», Velmora, «Удалить»), затем запустите эту программу снова."

; "AllUsers" or "CurrentUser": where the program goes, whose Start menu and list of apps (SHCTX,
; the registry root that SetShellVarContext chooses: HKLM for all users, HKCU for one).
Var Mode

!macro UseMode MODE
    StrCpy $Mode "${MODE}"
    ${If} $Mode == "AllUsers"
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
!macroend

; The MSI installs into the same folder, with the same shortcut: over its installation, this one
; would leave the MSI's entry, files and shortcut to a program whose removal breaks the other.
Function .onInit
    ReadRegStr $0 HKLM "Software\Velmora" "InstallLocation"
    ${If} $0 != ""
        MessageBox MB_OK|MB_ICONSTOP "$(MsiInstalled)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    UserInfo::GetAccountType
    Pop $0
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/CurrentUser" $2
    ${If} $0 == "Admin"
    ${AndIf} ${Errors}
        !insertmacro UseMode "AllUsers"
        StrCpy $1 "$PROGRAMFILES64\Velmora"
    ${Else}
        !insertmacro UseMode "CurrentUser"
        StrCpy $1 "$LOCALAPPDATA\Programs\Velmora"
    ${EndIf}
    ; /D= has set the folder already.
    ${If} $INSTDIR == ""
        StrCpy $INSTDIR $1
    ${EndIf}
FunctionEnd

Section "$(ProgramSection)" SectionProgram
    SectionIn RO
    !include "${FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Velmora.lnk" "$INSTDIR\velmora.exe" "" \
        "$INSTDIR\velmora.exe" 0 SW_SHOWNORMAL "" "$(ShortcutComment)"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Velmora"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Velmora developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmora.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopSection)" SectionDesktop
    CreateShortcut "$DESKTOP\Velmora.lnk" "$INSTDIR\velmora.exe" "" \
        "$INSTDIR\velmora.exe" 0 SW_SHOWNORMAL "" "$(ShortcutComment)"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "$(ProgramDescription)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "$(DesktopDescription)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "un.$(ProgramSection)" UnSectionProgram
    SectionIn RO
    Delete "$SMPROGRAMS\Velmora.lnk"
    Delete "$DESKTOP\Velmora.lnk"
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

; The settings are the user's own, in the roaming application data of the one who removes it, also
; when the program was installed for all users.
Section /o "un.$(SettingsSection)" UnSectionSettings
    SetShellVarContext current
    RMDir /r "$APPDATA\velmora"
    !insertmacro UseMode $Mode
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSectionProgram} "$(ProgramDescription)"
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSectionSettings} "$(SettingsDescription)"
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

; An installation for all users is the one whose uninstall entry under HKLM names this folder. Its
; removal needs administrator rights: started without them (from the list of apps, say), the
; uninstaller starts itself again elevated.
Function un.onInit
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        !insertmacro UseMode "AllUsers"
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            ${GetParameters} $2
            ExecShell "runas" "$EXEPATH" "$2 _?=$INSTDIR"
            Quit
        ${EndIf}
    ${Else}
        !insertmacro UseMode "CurrentUser"
    ${EndIf}
    ${GetParameters} $2
    ClearErrors
    ${GetOptions} $2 "/RemoveSettings" $3
    ${IfNot} ${Errors}
        SectionSetFlags ${UnSectionSettings} ${SF_SELECTED}
    ${EndIf}
FunctionEnd
