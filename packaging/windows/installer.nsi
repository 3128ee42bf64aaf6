; Facereel's installer. For the current user by default, with no administrator
; rights: %LOCALAPPDATA%\Programs\Facereel, its entry in HKCU, one shortcut in
; the user's Programs. For all users on request (/AllUsers, or the choice on
; its second page): Program Files, HKLM, all users' Programs, elevated.
; /CurrentUser asks for the first; /S installs silently; /D=folder as usual.
; An installed version is removed first by its own uninstaller, a running game
; is never touched, and an older version does not replace a newer one unasked.
; Made by pack.cmake, which defines VERSION, VERSION_MAJOR, VERSION_MINOR,
; PUBLISHER, STAGE (what to install), FILES (its lists), SIZE_KB, ICON,
; LICENSE and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
SetDateSave off ; the same bytes from the same files, whenever they were made
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true

!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinVer.nsh
!include MUI2.nsh
!include nsDialogs.nsh
!include "${__FILEDIR__}/installed.nsh"
!include "${FILES}"

Name "Facereel"
OutFile "${OUTFILE}"
InstallDir "" ; by the scope, in .onInit
!define /math VERSION_HIGH ${VERSION_MAJOR} << 16
!define /math VERSION_NUMBER ${VERSION_HIGH} + ${VERSION_MINOR} ; to compare with an installed one
VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"

Var AllUsers      ; 1: for all users
Var ExplicitDir   ; /D=, which wins over the scope's folder
Var InstalledDir  ; the folder of the version installed in this scope, if any
Var ForAll        ; the scope page's second choice

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
Page custom ScopePage ScopeLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIAddVersionKey /LANG=${LANG_ENGLISH} ProductName "Facereel"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileDescription "Facereel ${VERSION} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} LegalCopyright "Copyright 2026 ${PUBLISHER}"

!insertmacro InUseFunction ""
!insertmacro InUseFunction "un."

; The version in this scope's entry, as MAJOR in $R1 and MINOR in $R2. The
; entries of 1.00 had only its text: read as decimal, never as octal.
Function InstalledVersion
    ClearErrors
    ReadRegDWORD $R1 SHCTX "${ENTRY}" VersionMajor
    ReadRegDWORD $R2 SHCTX "${ENTRY}" VersionMinor
    ${IfNot} ${Errors}
        Return
    ${EndIf}
    ReadRegStr $R0 SHCTX "${ENTRY}" DisplayVersion
    ${WordFind} "$R0" "." "+1" $R1
    ${WordFind} "$R0" "." "+2" $R2
    ${Do} ; "08" is 8
        StrCpy $R3 $R2 1
        ${IfThen} $R3 != "0" ${|} ${Break} ${|}
        StrCpy $R2 $R2 "" 1
    ${Loop}
    IntOp $R1 $R1 + 0
    IntOp $R2 $R2 + 0
FunctionEnd

; The scope's shell folders, registry root, installed version and folder.
Function UseScope
    ${If} $AllUsers = 1
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\Facereel"
    ${Else}
        SetShellVarContext current
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Facereel"
    ${EndIf}
    ReadRegStr $InstalledDir SHCTX "${ENTRY}" InstallLocation
    ${If} $InstalledDir == "" ; 1.00 named only its uninstaller, in the folder
        ReadRegStr $0 SHCTX "${ENTRY}" UninstallString
        ${If} $0 != ""
            ${WordReplace} "$0" '"' "" "+" $0
            ${GetParent} "$0" $InstalledDir
        ${EndIf}
    ${EndIf}
    ${If} $ExplicitDir != ""
        StrCpy $INSTDIR $ExplicitDir
    ${ElseIf} $InstalledDir != ""
        StrCpy $INSTDIR $InstalledDir
    ${EndIf}
FunctionEnd

; What must stop the install before it starts: the other scope holds Facereel
; (two entries no player could tell apart), no administrator rights for all
; users, or a newer version.
Function Refusals
    ${If} $AllUsers = 1
        ReadRegStr $0 HKCU "${ENTRY}" InstallLocation
        StrCpy $1 "for you alone"
    ${Else}
        ReadRegStr $0 HKLM "${ENTRY}" InstallLocation
        ${IfThen} $0 == "" ${|} ReadRegStr $0 HKLM "${ENTRY}" UninstallString ${|}
        StrCpy $1 "for all users"
    ${EndIf}
    ${If} $0 != ""
        MessageBox MB_ICONEXCLAMATION "Facereel is installed $1 already. Install it the same way to update it, \
            or remove it first in Settings, Apps." /SD IDOK
        ${IfNot} ${Silent}
            Abort ; back to the choice
        ${EndIf}
        SetErrorLevel ${EXIT_SCOPE}
        Quit
    ${EndIf}
    ${If} $AllUsers = 1
        !insertmacro RefuseWithoutAdmin "/AllUsers"
    ${EndIf}
    ${If} $InstalledDir != ""
        Call InstalledVersion
        IntOp $R1 $R1 << 16
        IntOp $R1 $R1 + $R2
        ${If} $R1 > ${VERSION_NUMBER}
            ReadRegStr $R0 SHCTX "${ENTRY}" DisplayVersion
            MessageBox MB_YESNO|MB_ICONQUESTION "Facereel $R0 is installed, newer than this ${VERSION}. \
                Replace it with the older version?" /SD IDNO IDYES +3
            SetErrorLevel ${EXIT_NEWER}
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Function .onInit
    ${IfNot} ${AtLeastWin10}
        MessageBox MB_ICONSTOP "Facereel needs Windows 10 or later." /SD IDOK
        SetErrorLevel ${EXIT_WINDOWS}
        Quit
    ${EndIf}
    StrCpy $ExplicitDir $INSTDIR
    ; Where Facereel is installed for all users already, it is updated there.
    ReadRegStr $0 HKLM "${ENTRY}" UninstallString
    ${If} $0 != ""
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/CurrentUser" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 0
    ${EndIf}
    Call UseScope
    ${If} ${Silent}
        Call Refusals
    ${EndIf}
FunctionEnd

Function ScopePage
    !insertmacro MUI_HEADER_TEXT "Install for" "Facereel can be installed for you alone or for everyone on this computer."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 0 100% 12u "Only for &me (no administrator rights needed)"
    Pop $1
    ${NSD_CreateRadioButton} 0 20u 100% 12u "For &everyone on this computer (needs administrator rights)"
    Pop $ForAll
    ${If} $AllUsers = 1
        ${NSD_Check} $ForAll
    ${Else}
        ${NSD_Check} $1
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function ScopeLeave
    ${NSD_GetState} $ForAll $AllUsers
    Call UseScope
    Call Refusals
FunctionEnd

Section
    ; Before anything is touched: the game closed, then the installed
    ; version removed by its own uninstaller.
    ${If} $InstalledDir != ""
        !insertmacro WaitWhileRunning "" $InstalledDir
    ${EndIf}
    !insertmacro WaitWhileRunning "" $INSTDIR
    ${If} $InstalledDir != ""
        ClearErrors
        ExecWait '"$InstalledDir\Uninstall.exe" /S _?=$InstalledDir' $0
        ${If} ${Errors}
        ${OrIf} $0 <> 0
            MessageBox MB_ICONSTOP "The installed Facereel could not be removed (status $0), \
                so this version was not installed." /SD IDOK
            SetErrorLevel ${EXIT_UNINSTALL}
            Quit
        ${EndIf}
        Delete "$InstalledDir\Uninstall.exe" ; an uninstaller run in place stays
        RMDir "$InstalledDir"
    ${EndIf}

    !insertmacro FacereelFiles
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Facereel.lnk" "$INSTDIR\facereel.exe"
    WriteRegStr SHCTX "${ENTRY}" DisplayName "Facereel"
    WriteRegStr SHCTX "${ENTRY}" DisplayVersion "${VERSION}"
    WriteRegDWORD SHCTX "${ENTRY}" VersionMajor ${VERSION_MAJOR}
    WriteRegDWORD SHCTX "${ENTRY}" VersionMinor ${VERSION_MINOR}
    WriteRegStr SHCTX "${ENTRY}" Publisher "${PUBLISHER}"
    WriteRegStr SHCTX "${ENTRY}" DisplayIcon "$INSTDIR\facereel.exe,0"
    WriteRegStr SHCTX "${ENTRY}" InstallLocation "$INSTDIR"
    WriteRegStr SHCTX "${ENTRY}" UninstallString '"$INSTDIR\Uninstall.exe"'
    WriteRegStr SHCTX "${ENTRY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD SHCTX "${ENTRY}" EstimatedSize ${SIZE_KB}
    WriteRegDWORD SHCTX "${ENTRY}" NoModify 1
    WriteRegDWORD SHCTX "${ENTRY}" NoRepair 1
SectionEnd

Function un.onInit
    ; The scope whose entry names this folder.
    ReadRegStr $0 HKLM "${ENTRY}" InstallLocation
    StrCpy $AllUsers 0
    ${If} $0 == $INSTDIR
        StrCpy $AllUsers 1
        SetShellVarContext all
        !insertmacro RefuseWithoutAdmin "_?=$INSTDIR"
    ${Else}
        SetShellVarContext current
    ${EndIf}
    !insertmacro WaitWhileRunning "un." $INSTDIR
FunctionEnd

Section Uninstall
    !insertmacro FacereelRemove
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Facereel.lnk"
    DeleteRegKey SHCTX "${ENTRY}"
    ${If} $AllUsers = 0 ; what a per-user install may have made first, where nothing else uses it
        RMDir "$LOCALAPPDATA\Programs"
        DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
    ${EndIf}
SectionEnd
