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

; Refuses with STATUS: back to the page whose choice it was, else quits.
!macro Refuse STATUS
    ${If} $OnPage = 1
        Abort
    ${EndIf}
    SetErrorLevel ${STATUS}
    Quit
!macroend

; The version in this scope's entry as one number, in $R1. The entries of
; 1.00 had only its text: read as decimal, never as octal.
Function InstalledVersion
    ClearErrors
    ReadRegDWORD $R1 SHCTX "${ENTRY}" VersionMajor
    ReadRegDWORD $R2 SHCTX "${ENTRY}" VersionMinor
    ${If} ${Errors}
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
    ${EndIf}
    IntOp $R1 $R1 << 16
    IntOp $R1 $R1 + $R2
FunctionEnd

; What stops the install before anything is touched: the other scope holds
; Facereel (two entries no player could tell apart), no administrator rights
; for all users (it starts itself again elevated), or a newer version.
Function Refusals
    ${If} $OtherDir != ""
        ${If} $ForAllUsers = 1
            MessageBox MB_ICONEXCLAMATION "$(InstalledForYou)" /SD IDOK
        ${Else}
            MessageBox MB_ICONEXCLAMATION "$(InstalledForAll)" /SD IDOK
        ${EndIf}
        !insertmacro Refuse ${EXIT_SCOPE}
    ${EndIf}
    ${If} $ForAllUsers = 1
        Call IsAdmin
        ${If} $R0 = 0
            ${If} $Elevated != 1 ; the elevated copy never starts another
                ${GetParameters} $R0
                StrCpy $R0 "$R0 /AllUsers" ; the page's choice, or the installed scope's
                ${IfThen} $ExplicitDir != "" ${|} StrCpy $R0 "$R0 /D=$ExplicitDir" ${|}
                Call Elevate
                ${If} $R0 != "declined"
                    SetErrorLevel $R0
                    Quit
                ${EndIf}
                ${IfNot} ${Silent}
                    Abort ; back to the choice
                ${EndIf}
            ${EndIf}
            MessageBox MB_ICONSTOP "$(NeedsAdmin)" /SD IDOK
            !insertmacro Refuse ${EXIT_ADMIN}
        ${EndIf}
    ${EndIf}
    ${If} $InstalledDir != ""
        Call InstalledVersion
        ${If} $R1 > ${VERSION_NUMBER}
            ReadRegStr $R0 SHCTX "${ENTRY}" DisplayVersion
            MessageBox MB_YESNO|MB_ICONQUESTION "$(Newer)" /SD IDNO IDYES replace
            SetErrorLevel ${EXIT_NEWER}
            Quit
            replace:
        ${EndIf}
    ${EndIf}
FunctionEnd

; $R1 1 if folder $R0 holds anything, else 0.
Function HoldsFiles
    StrCpy $R1 0
    FindFirst $R2 $R3 "$R0\*.*"
    ${DoWhile} $R3 != ""
        ${If} $R3 != "."
        ${AndIf} $R3 != ".."
            StrCpy $R1 1
            ${Break}
        ${EndIf}
        FindNext $R2 $R3
    ${Loop}
    FindClose $R2
FunctionEnd

; The folder: for all users inside Program Files (whose rights keep users
; from changing it), and never one with another program's files in it: only
; an empty one, or one that holds Facereel (an entry names it, or our program
; and uninstaller are there).
Function FolderRefusals
    ${If} $ForAllUsers = 1
        System::Call 'kernel32::GetFullPathNameW(w "$INSTDIR", i ${NSIS_MAX_STRLEN}, w .R0, p 0)'
        StrLen $R1 "$PROGRAMFILES64\"
        StrCpy $R0 $R0 $R1
        ${If} $R0 != "$PROGRAMFILES64\" ; compared without case
            MessageBox MB_ICONSTOP "$(Unsafe)" /SD IDOK
            !insertmacro Refuse ${EXIT_UNSAFE}
        ${EndIf}
    ${EndIf}
    ${If} $INSTDIR == $InstalledDir
        Return
    ${EndIf}
    ${If} ${FileExists} "$INSTDIR\facereel.exe"
    ${AndIf} ${FileExists} "$INSTDIR\Uninstall.exe"
        Return
    ${EndIf}
    StrCpy $R0 $INSTDIR
    Call HoldsFiles
    ${If} $R1 = 1
        MessageBox MB_ICONSTOP "$(Foreign)" /SD IDOK
        !insertmacro Refuse ${EXIT_FOREIGN}
    ${EndIf}
FunctionEnd

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

; Every file the installer will write can be written, before anything is
; removed: the folder takes a new file, no file stands where a folder of ours
; goes, and each file there already opens for writing. A folder made for the
; check goes again if it fails.
Function CheckWritable
    StrCpy $R6 0
    StrCpy $R2 $INSTDIR
    ${If} $INSTDIR == $InstalledDir
        ReadRegDWORD $FolderExisted SHCTX "${ENTRY}" FolderExisted
    ${ElseIf} ${FileExists} "$INSTDIR\*.*"
        StrCpy $R0 $INSTDIR
        Call HoldsFiles
        IntOp $FolderExisted $R1 !
    ${Else}
        StrCpy $FolderExisted 0
    ${EndIf}
    ${IfNot} ${FileExists} "$INSTDIR\*.*" ; new, or an install whose folder was lost
        ClearErrors
        CreateDirectory $INSTDIR
        ${IfThen} ${Errors} ${|} Goto unwritable ${|}
        StrCpy $R6 1
    ${EndIf}
    ClearErrors
    FileOpen $R0 "$INSTDIR\facereel-write-check.tmp" w
    ${IfThen} ${Errors} ${|} Goto unwritable ${|}
    FileClose $R0
    Delete "$INSTDIR\facereel-write-check.tmp"
    StrCpy $R3 "${FILE_LIST}Uninstall.exe|"
    ${Do}
        ${IfThen} $R3 == "" ${|} ${Break} ${|}
        ${WordFind} "$R3" "|" "+1" $R4
        StrLen $R5 $R4
        IntOp $R5 $R5 + 1
        StrCpy $R3 $R3 "" $R5
        StrCpy $R2 "$INSTDIR\$R4"
        ${GetParent} $R2 $R5
        ${If} ${FileExists} $R5
        ${AndIfNot} ${FileExists} "$R5\*.*"
            StrCpy $R2 $R5 ; a file where the folder goes
            Goto unwritable
        ${EndIf}
        ${IfThen} ${FileExists} "$R2\*.*" ${|} Goto unwritable ${|}
        ${If} ${FileExists} $R2
            ClearErrors
            FileOpen $R0 $R2 a
            ${IfThen} ${Errors} ${|} Goto unwritable ${|}
            FileClose $R0
        ${EndIf}
    ${Loop}
    Return
    unwritable:
    ${IfThen} $R6 = 1 ${|} RMDir $INSTDIR ${|}
    MessageBox MB_ICONSTOP "$(Unwritable)" /SD IDOK
    SetErrorLevel ${EXIT_UNWRITABLE}
    Quit
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
