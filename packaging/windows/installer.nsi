; Facereel's installer. For the current user by default, with no administrator
; rights: %LOCALAPPDATA%\Programs\Facereel, its entry in HKCU, one shortcut in
; the user's Programs. For all users on request (/AllUsers, or the choice on
; its second page): inside Program Files, HKLM, all users' Programs, started
; again elevated. /CurrentUser asks for the first; /S installs silently;
; /D=folder as usual.
; Before it touches anything it refuses what it cannot finish: a second
; installer at work, the other scope, a newer version (unasked), a running
; game, another program's files, a folder it cannot write, too little room.
; An update keeps the installed version, set aside, until the new one is
; whole, and puts it back if anything fails; the entry's list of files says
; what the installed version is, so a lost uninstaller does not matter.
; pack.cmake also defines SIZE_KB, LICENSE (the licences, for information)
; and UNINSTALLER (the uninstaller, built first).
!include "${__FILEDIR__}/program.nsh"
!include nsDialogs.nsh

InstallDir "$LOCALAPPDATA\Programs\Facereel" ; its last part is added to a folder the player browses to
AllowSkipFiles off ; a file that cannot be written stops the install
!define /math VERSION_HIGH ${VERSION_MAJOR} << 16
!define /math VERSION_NUMBER ${VERSION_HIGH} + ${VERSION_MINOR} ; to compare with an installed one
!define WRITTEN "${FILE_LIST}Uninstall.exe|" ; every file this installer writes

Var ScopeAllRadio ; the scope page's "for everyone"
Var OnPage        ; 1 while a page's choice is checked: a refusal goes back to it
Var FolderExisted ; 1 if the folder was there, empty, before Facereel: never removed
Var MadeFolder    ; 1 if this installer made the folder
Var OldFiles      ; the installed version's files (its entry's list), "" for CPack's 1.00
Var OldList       ; what is set aside of it: those, this version's names and its uninstaller
Var OldFolderExisted ; its FolderExisted
Var Copying       ; 1 from the first new file until the entry is written: a failure rolls back

!define MUI_ABORTWARNING
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenElevated
!define MUI_PAGE_HEADER_TEXT "$(LicencesTitle)"
!define MUI_LICENSEPAGE_TEXT_TOP "$(LicencesText)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicencesBottom)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
Page custom ScopePage ScopeLeave
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "$(InstallStopped)"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro Languages "Facereel ${VERSION} installer"
!include "${__FILEDIR__}/installed.nsh"
!include "${__FILEDIR__}/removal.nsh"
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
    Call OneAtATime
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
    ${NSD_CreateLabel} 12u 13u -12u 30u "$(ScopeMeText)" ; three lines, for the longer languages
    Pop $R1
    ${NSD_CreateRadioButton} 0 50u 100% 12u "$(ScopeAll)"
    Pop $ScopeAllRadio
    ${NSD_CreateLabel} 12u 63u -12u 30u "$(ScopeAllText)"
    Pop $R1
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

; Sets aside, whole or not at all, the installed version (by its entry's
; list; CPack's 1.00 had none, and this version's names) and any file of
; ours in the folder, should that be another one.
Function SetAsideOld
    StrCpy $OldFiles ""
    ${If} $InstalledDir != ""
        ReadRegStr $OldFiles SHCTX "${ENTRY}" Files
        ReadRegDWORD $OldFolderExisted SHCTX "${ENTRY}" FolderExisted
        StrCpy $OldList "$OldFiles${WRITTEN}"
        StrCpy $R0 $InstalledDir
        StrCpy $R1 $OldList
        Call SetAside
        ${If} $Stuck != ""
            !insertmacro Stop ${EXIT_HELD} "$(Held)"
        ${EndIf}
    ${EndIf}
    StrCpy $R0 $INSTDIR
    StrCpy $R1 "${WRITTEN}"
    Call SetAside
    ${If} $Stuck != ""
        StrCpy $R0 $InstalledDir
        StrCpy $R1 $OldList
        Call PutBack
        !insertmacro Stop ${EXIT_HELD} "$(Held)"
    ${EndIf}
FunctionEnd

Section
    ; Just before anything changes: a game started from either folder keeps it all.
    ${If} $InstalledDir != ""
        StrCpy $R0 $InstalledDir
        Call WaitWhileRunning
    ${EndIf}
    StrCpy $R0 $INSTDIR
    Call WaitWhileRunning
    Call CheckWritable
    Call CheckSpace
    Call SetAsideOld
    StrCpy $Copying 1
    !insertmacro FacereelFiles
!ifdef TEST_COPY_FAILS ; windows.sh: a write that fails after the program's files, as a failing drive's would
    File "/oname=$INSTDIR\licences" "${UNINSTALLER}"
!endif
    SetOutPath $INSTDIR ; the shortcut's working folder too
    File "/oname=Uninstall.exe" "${UNINSTALLER}"
    ClearErrors
    CreateShortCut "$SMPROGRAMS\Facereel.lnk" "$INSTDIR\facereel.exe"
    ${IfThen} ${Errors} ${|} Abort ${|}
    ${If} $InstalledDir != ""
    ${AndIf} $OldFiles == "" ; CPack's 1.00: none of its values stays
        DeleteRegKey SHCTX "${ENTRY}"
    ${EndIf}
    ClearErrors
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
    WriteRegStr SHCTX "${ENTRY}" Files "${FILE_LIST}" ; what the next update or a repair replaces
    WriteRegDWORD SHCTX "${ENTRY}" FolderExisted $FolderExisted
    ${IfThen} ${Errors} ${|} Abort ${|}
    StrCpy $Copying 0
    Call DropOld
    !insertmacro Unlock
SectionEnd

; The new version is whole: the old one, aside, goes, and its folder if it
; was elsewhere; and what CPack's 1.00 wrote beside its files.
Function DropOld
    StrCpy $R0 $INSTDIR
    StrCpy $R1 "${WRITTEN}"
    StrCpy $R2 "${ASIDE}"
    Call DeleteListed
    ${IfThen} $InstalledDir == "" ${|} Return ${|}
    StrCpy $R0 $InstalledDir
    StrCpy $R1 $OldList
    Call DeleteListed
    ${If} $InstalledDir != $INSTDIR
    ${AndIf} $OldFolderExisted != 1
        RMDir $InstalledDir
    ${EndIf}
    ${If} $OldFiles == ""
        ReadRegStr $R0 SHCTX "Software\${PUBLISHER}\Facereel" "Start Menu Folder"
        ${If} $R0 != ""
            Delete "$SMPROGRAMS\$R0\Facereel.lnk"
            Delete "$SMPROGRAMS\$R0\Uninstall.lnk"
            RMDir "$SMPROGRAMS\$R0"
        ${EndIf}
        DeleteRegKey SHCTX "Software\${PUBLISHER}\Facereel"
        DeleteRegKey /ifempty SHCTX "Software\${PUBLISHER}"
    ${EndIf}
FunctionEnd

; A write failed (a full or failing drive, a shortcut or an entry that could
; not be written): the new files go and the old ones come back, so Facereel
; is as it was. A refusal before that changed nothing and has said so; a
; folder made for this install goes either way.
Function .onInstFailed
    SetDetailsPrint none
    SetOutPath $TEMP ; no folder goes while it is the working one
    SetDetailsPrint both
    ${If} $Copying = 1
        StrCpy $R0 $INSTDIR
        StrCpy $R1 "${WRITTEN}"
        StrCpy $R2 ""
        Call DeleteListed
        StrCpy $R9 $Stuck
        Call PutBack
        ${If} $InstalledDir == ""
            Delete "$SMPROGRAMS\Facereel.lnk"
            DeleteRegKey SHCTX "${ENTRY}"
        ${Else}
            StrCpy $R0 $InstalledDir
            StrCpy $R1 $OldList
            Call PutBack
            SetDetailsPrint none
            SetOutPath $InstalledDir ; the shortcut to the old folder again, should it have moved
            CreateShortCut "$SMPROGRAMS\Facereel.lnk" "$InstalledDir\facereel.exe"
            SetOutPath $TEMP
            SetDetailsPrint both
        ${EndIf}
        StrCpy $Stuck $R9
        ${If} $Stuck == ""
            MessageBox MB_ICONSTOP "$(CopyFailed)" /SD IDOK
            DetailPrint "$(CopyFailed)"
        ${Else}
            MessageBox MB_ICONSTOP "$(CopyFailedLeft)" /SD IDOK
            DetailPrint "$(CopyFailedLeft)"
        ${EndIf}
        SetErrorLevel ${EXIT_COPY}
    ${EndIf}
    ${IfThen} $MadeFolder = 1 ${|} RMDir $INSTDIR ${|}
FunctionEnd
