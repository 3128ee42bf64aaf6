; Facereel's installer. For the current user by default, with no administrator
; rights: %LOCALAPPDATA%\Programs\Facereel, its entry in HKCU, one shortcut in
; the user's Programs. For all users on request (/AllUsers, or the choice on
; its second page): inside Program Files, HKLM, all users' Programs, started
; again elevated. /CurrentUser asks for the first; /S installs silently;
; /D=folder as usual.
; Before it touches anything it refuses what it cannot finish: the other
; scope, a newer version (unasked), a running game, another program's files,
; a folder it cannot write. An installed version is removed by its own
; uninstaller, or, where that is gone, by the entry's list of files. pack.cmake
; also defines SIZE_KB, LICENSE and UNINSTALLER (the uninstaller, built first).
!include "${__FILEDIR__}/program.nsh"
!include nsDialogs.nsh

InstallDir "$LOCALAPPDATA\Programs\Facereel" ; its last part is added to a folder the player browses to
AllowSkipFiles off ; a file that cannot be written stops the install
!define /math VERSION_HIGH ${VERSION_MAJOR} << 16
!define /math VERSION_NUMBER ${VERSION_HIGH} + ${VERSION_MINOR} ; to compare with an installed one

Var ScopeAllRadio ; the scope page's "for everyone"
Var OnPage        ; 1 while a page's choice is checked: a refusal goes back to it
Var FolderExisted ; 1 if the folder was there, empty, before Facereel: never removed

!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenElevated
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
Page custom ScopePage ScopeLeave
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"
!insertmacro ProgramVersion "Facereel ${VERSION} installer"
!include "${__FILEDIR__}/messages.nsh"
!include "${__FILEDIR__}/installed.nsh"
!include "${__FILEDIR__}/refusals.nsh"

Function .onInit
    ${IfNot} ${AtLeastWin10}
        MessageBox MB_ICONSTOP "$(NeedsWindows10)" /SD IDOK
        SetErrorLevel ${EXIT_WINDOWS}
        Quit
    ${EndIf}
    ; /D= is not among the parameters: it shows as a folder other than the default.
    ${If} $INSTDIR != "$LOCALAPPDATA\Programs\Facereel"
        StrCpy $ExplicitDir $INSTDIR
    ${EndIf}
    ${GetParameters} $R0
    StrCpy $Requested ""
    ClearErrors
    ${GetOptions} $R0 "/CurrentUser" $R1
    ${IfNotThen} ${Errors} ${|} StrCpy $Requested 0 ${|}
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1 ; wins: the page's choice is passed on as it
    ${IfNotThen} ${Errors} ${|} StrCpy $Requested 1 ${|}
    ClearErrors
    ${GetOptions} $R0 "${ELEVATED_MARKER}" $R1
    ${IfNotThen} ${Errors} ${|} StrCpy $Elevated 1 ${|}
    StrCpy $OnPage 0
    Call Scope
    ${If} ${Silent} ; the folder first: no elevation prompt for a folder refused anyway
        Call FolderRefusals
    ${EndIf}
    ${If} ${Silent}
    ${OrIf} $Elevated = 1 ; its choice was made before it was started
        Call Refusals
    ${EndIf}
FunctionEnd

Function SkipWhenElevated
    ${IfThen} $Elevated = 1 ${|} Abort ${|}
FunctionEnd

Function ScopePage
    Call SkipWhenElevated
    !insertmacro MUI_HEADER_TEXT "$(ScopeTitle)" "$(ScopeText)"
    nsDialogs::Create 1018
    Pop $R0
    ${NSD_CreateRadioButton} 0 0 100% 12u "$(ScopeMe)"
    Pop $R0
    ${NSD_CreateRadioButton} 0 20u 100% 12u "$(ScopeAll)"
    Pop $ScopeAllRadio
    ${If} $ForAllUsers = 1
        ${NSD_Check} $ScopeAllRadio
    ${Else}
        ${NSD_Check} $R0
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function ScopeLeave
    ${NSD_GetState} $ScopeAllRadio $Requested
    Call Scope
    StrCpy $OnPage 1
    Call Refusals
    StrCpy $OnPage 0
FunctionEnd

Function DirectoryLeave
    StrCpy $OnPage 1
    Call FolderRefusals
    StrCpy $OnPage 0
FunctionEnd

; The installed version goes: by its own uninstaller, run in place, or, where
; that is missing or does not start (quarantined, damaged, a folder lost), by
; the entry's list of files, then the entry itself, so that the install is
; repaired rather than stuck.
Function RemoveInstalled
    ${IfThen} $InstalledDir == "" ${|} Return ${|}
    ReadRegDWORD $R8 SHCTX "${ENTRY}" FolderExisted
    ReadRegStr $R7 SHCTX "${ENTRY}" Files
    ${If} ${FileExists} "$InstalledDir\Uninstall.exe"
        ClearErrors
        ExecWait '"$InstalledDir\Uninstall.exe" /S _?=$InstalledDir' $R1
        ${If} ${Errors}
        ${OrIf} $R1 = 2 ; NSIS's own: damaged, it did not start (ours never give it here)
            Goto broken
        ${EndIf}
        ${If} $R1 <> 0
            MessageBox MB_ICONSTOP "$(UninstallFailed)" /SD IDOK
            SetErrorLevel ${EXIT_UNINSTALL}
            Quit
        ${EndIf}
        Delete "$InstalledDir\Uninstall.exe" ; run in place, it stays
        Goto removed
    ${EndIf}
    broken:
    ${IfThen} $R7 == "" ${|} StrCpy $R7 "${FILE_LIST}" ${|} ; entries older than the list
    StrCpy $R0 $InstalledDir
    StrCpy $R1 "$R7Uninstall.exe|"
    Call RemoveListed
    ${If} $R2 != ""
        MessageBox MB_ICONSTOP "$(RemoveFailed)" /SD IDOK
        SetErrorLevel ${EXIT_REMOVE}
        Quit
    ${EndIf}
    Delete "$SMPROGRAMS\Facereel.lnk"
    DeleteRegKey SHCTX "${ENTRY}"
    removed:
    ${IfThen} $R8 != 1 ${|} RMDir $InstalledDir ${|}
    ${If} $ForAllUsers = 1 ; what CPack's 1.00 left
        DeleteRegKey /ifempty HKLM "Software\${PUBLISHER}"
    ${EndIf}
FunctionEnd

Section
    ${If} $InstalledDir != ""
        StrCpy $R0 $InstalledDir
        Call WaitWhileRunning
    ${EndIf}
    StrCpy $R0 $INSTDIR
    Call WaitWhileRunning
    Call CheckWritable
    Call RemoveInstalled
    !insertmacro FacereelFiles
    SetOutPath $INSTDIR ; the shortcut's working folder too
    File "/oname=Uninstall.exe" "${UNINSTALLER}"
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
    WriteRegStr SHCTX "${ENTRY}" Files "${FILE_LIST}" ; what a repair removes, should the uninstaller be lost
    WriteRegDWORD SHCTX "${ENTRY}" FolderExisted $FolderExisted
SectionEnd

; A write failed while copying (the old version is gone by then): what was
; written goes too, so no half install is left, and no entry or shortcut.
Function .onInstFailed
    SetOutPath $TEMP ; no folder goes while it is the working one
    StrCpy $R0 $INSTDIR
    StrCpy $R1 "${FILE_LIST}Uninstall.exe|"
    Call RemoveListed
    ${IfThen} $FolderExisted != 1 ${|} RMDir $INSTDIR ${|}
    MessageBox MB_ICONSTOP "$(CopyFailed)" /SD IDOK
    SetErrorLevel ${EXIT_COPY}
FunctionEnd
