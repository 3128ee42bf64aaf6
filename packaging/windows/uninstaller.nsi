; Facereel's uninstaller, Uninstall.exe in the install folder: a program of
; its own, so that whoever starts it learns what happened. Started as Settings
; and scripts start it (UninstallString, QuietUninstallString), it copies
; itself to Temp, starts the copy with _?=FOLDER, waits for it and returns its
; status; the copy (or an installer running it in place, with _?=) removes the
; files of its own list, only the folders it made, then the shortcut and the
; entry. A running game or a file that will not go stops it with the entry
; and shortcut kept: the install is whole or gone.
!include "${__FILEDIR__}/program.nsh"

Caption "$(UninstallCaption)"
InstallDir "$LOCALAPPDATA\Programs\Facereel"
!define MUI_PAGE_HEADER_TEXT "$(Uninstalling)"
!define MUI_PAGE_HEADER_SUBTEXT "$(UninstallingText)"
!define MUI_INSTFILESPAGE_FINISHHEADER_TEXT "$(Uninstalled)"
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT " "
!define MUI_INSTFILESPAGE_ABORTHEADER_TEXT "$(UninstallStopped)"
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT " "
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro ProgramVersion "Facereel ${VERSION} uninstaller"
!include "${__FILEDIR__}/messages.nsh"
!include "${__FILEDIR__}/installed.nsh"

Var Copy ; 1 when started with _?=: the copy that does the work (or in place)

; Where text $R0 holds $R1 first, in $R2 (counted from 0), or -1.
Function Find
    StrLen $R3 $R1
    StrLen $R4 $R0
    StrCpy $R2 0
    ${DoWhile} $R2 < $R4
        StrCpy $R5 $R0 $R3 $R2
        ${IfThen} $R5 == $R1 ${|} Return ${|}
        IntOp $R2 $R2 + 1
    ${Loop}
    StrCpy $R2 -1
FunctionEnd

; Started without _?=: the copy in a folder of its own in Temp does the work,
; since a running program cannot delete itself; its status is ours. Windows
; lets this program be moved out of the way first (on the same drive), so the
; folder is gone when it returns; where it cannot be moved (another drive,
; Wine), a second copy removes it and the folder the moment this one ends.
Function RunCopy
    ${GetParameters} $R0
    ReadRegDWORD $R4 SHCTX "${ENTRY}" FolderExisted ; read while the entry is there
    ${If} $R4 = 1
    ${AndIf} $INSTDIR == $InstalledDir
        StrCpy $R4 " /KeepFolder"
    ${Else}
        StrCpy $R4 ""
    ${EndIf}
    GetTempFileName $R1
    Delete $R1
    ClearErrors
    CreateDirectory $R1
    CopyFiles /SILENT /FILESONLY "$EXEPATH" "$R1\Uninstall.exe"
    ${IfNot} ${Errors}
        Rename "$EXEPATH" "$R1\Started.exe"
        ClearErrors
        ExecWait '"$R1\Uninstall.exe" $R0 _?=$EXEDIR' $R2
    ${EndIf}
    ${If} ${Errors}
        MessageBox MB_ICONSTOP "$(TempFailed)" /SD IDOK
        StrCpy $R2 ${EXIT_TEMP}
    ${ElseIf} $R2 = 0
    ${AndIf} ${FileExists} "$EXEPATH"
        System::Call 'kernel32::GetCurrentProcessId() i.R3'
        Exec '"$R1\Uninstall.exe" /S /AfterExit=$R3$R4 _?=$EXEDIR'
    ${Else}
        Delete "$R1\Uninstall.exe"
        RMDir $R1
    ${EndIf}
    SetErrorLevel $R2
    Quit
FunctionEnd

; /AfterExit=PID: waits for the uninstaller that started the work to end,
; then removes it and the folder, which were all that was left.
Function RemoveStarter
    System::Call 'kernel32::OpenProcess(i 0x100000, i 0, i R1) p.R2'
    System::Call 'kernel32::WaitForSingleObject(p R2, i 30000)'
    System::Call 'kernel32::CloseHandle(p R2)'
    SetOutPath $TEMP
    Delete "$INSTDIR\Uninstall.exe"
    ClearErrors
    ${GetOptions} $R0 "/KeepFolder" $R1
    ${IfThen} ${Errors} ${|} RMDir $INSTDIR ${|}
    Quit
FunctionEnd

Function .onInit
    ${GetParameters} $R0
    StrCpy $R0 " $R0"
    StrCpy $R1 " _?="
    Call Find
    StrCpy $ExplicitDir $EXEDIR ; started as Settings starts it: its own folder
    StrCpy $Copy 0
    ${If} $R2 >= 0
        StrCpy $Copy 1
        IntOp $R3 $R2 + 4
        StrCpy $ExplicitDir $R0 "" $R3 ; the rest of the line, spaces and all
        StrCpy $R0 $R0 $R2 ; the switches before it
        StrCpy $R3 $ExplicitDir "" -1
        ${IfThen} $R3 == "\" ${|} StrCpy $ExplicitDir $ExplicitDir -1 ${|}
    ${EndIf}
    ${If} $ExplicitDir == ""
        SetErrorLevel 2 ; as NSIS's own uninstaller does
        Quit
    ${EndIf}
    StrCpy $INSTDIR $ExplicitDir
    ClearErrors
    ${GetOptions} $R0 "/AfterExit=" $R1
    ${IfNotThen} ${Errors} ${|} Call RemoveStarter ${|}
    ClearErrors
    ${GetOptions} $R0 "${ELEVATED_MARKER}" $R1
    ${IfNotThen} ${Errors} ${|} StrCpy $Elevated 1 ${|}
    ; The scope whose entry names this folder.
    SetShellVarContext all
    Call InstalledFolder
    ${If} $R9 == $ExplicitDir
        StrCpy $Requested 1
    ${Else}
        StrCpy $Requested 0
    ${EndIf}
    Call Scope
    ; Elevated before the copy is made, so that the copy, and the one that
    ; removes this program after it, have the rights too.
    ${If} $ForAllUsers = 1
        ${GetParameters} $R1
        Call Rights
        ${If} $R0 = 0
            MessageBox MB_ICONSTOP "$(NeedsAdmin)" /SD IDOK
            SetErrorLevel ${EXIT_ADMIN}
            Quit
        ${EndIf}
    ${EndIf}
    ${IfThen} $Copy = 0 ${|} Call RunCopy ${|}
    ${IfNot} ${Silent}
        MessageBox MB_YESNO|MB_ICONQUESTION "$(ConfirmUninstall)" IDYES confirmed
        SetErrorLevel 1 ; cancelled by the player
        Quit
        confirmed:
    ${EndIf}
FunctionEnd

Section
    ; Just before anything goes: a game started while the player was asked
    ; keeps everything.
    SetOutPath $TEMP ; no folder goes while it is the working one
    StrCpy $R0 $INSTDIR
    Call WaitWhileRunning
    StrCpy $R0 $INSTDIR
    StrCpy $R1 "${FILE_LIST}"
    Call RemoveListed
    ${If} $R2 != ""
        MessageBox MB_ICONSTOP "$(RemoveFailed)" /SD IDOK
        SetErrorLevel ${EXIT_REMOVE}
        Quit
    ${EndIf}
    ; The uninstaller itself, unless it is the one running (in place, for an
    ; installer, which removes it) or the one waiting for this copy.
    Delete "$INSTDIR\Uninstall.exe"
    StrCpy $R0 ""
    ${IfThen} $INSTDIR == $InstalledDir ${|} ReadRegDWORD $R0 SHCTX "${ENTRY}" FolderExisted ${|}
    ${IfThen} $R0 != 1 ${|} RMDir $INSTDIR ${|}
    ${If} $INSTDIR == $InstalledDir
        Delete "$SMPROGRAMS\Facereel.lnk"
        DeleteRegKey SHCTX "${ENTRY}"
    ${EndIf}
SectionEnd
