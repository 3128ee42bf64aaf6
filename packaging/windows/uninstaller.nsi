; Facereel's uninstaller, Uninstall.exe in the install folder: a program of
; its own, so that whoever starts it learns what happened. Started as Settings
; and scripts start it (UninstallString, QuietUninstallString), it copies
; itself to Temp, starts the copy with _?=FOLDER, waits for it and returns its
; status; it never moves or changes itself, so whatever the copy answers, it
; is there to be started again. The copy (or a script running it in place,
; with _?=) removes the files of its own list, whole or not at all, only the
; folders it made, then the shortcut and the entry. A running game, a file
; another program holds, or No in its box leaves everything as it was.
!include "${__FILEDIR__}/program.nsh"
!include StrFunc.nsh
${StrStr} ; declared once, before use
!pragma warning disable 6001 ; the installer's values, which its texts name, are none of this program's

Caption "$(UninstallCaption)"
InstallDir "$LOCALAPPDATA\Programs\Facereel"
!define MUI_PAGE_HEADER_TEXT "$(Uninstalling)"
!define MUI_PAGE_HEADER_SUBTEXT "$(UninstallingText)"
!define MUI_INSTFILESPAGE_FINISHHEADER_TEXT "$(Uninstalled)"
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT " "
!define MUI_INSTFILESPAGE_ABORTHEADER_TEXT "$(UninstallStopped)"
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "$(UninstallStoppedText)"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro Languages "Facereel ${VERSION} uninstaller"
!include "${__FILEDIR__}/installed.nsh"
!include "${__FILEDIR__}/removal.nsh"

Var Copy ; 1 when started with _?=: the copy that does the work (or in place)

; Started without _?=: the copy in a folder of its own in Temp does the work,
; since a running program cannot delete itself; its status is ours. When
; the copy has removed Facereel, a second copy removes this program and the
; folder the moment it ends; on any other status this program stays as it
; is, and its copy goes.
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
        ExecWait '"$R1\Uninstall.exe" $R0 ${CHILD_MARKER} _?=$EXEDIR' $R2
    ${EndIf}
    ${If} ${Errors}
        MessageBox MB_ICONSTOP "$(TempFailed)" /SD IDOK
        StrCpy $R2 ${EXIT_TEMP}
    ${EndIf}
    ${If} $R2 = 0
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
    ; The folder: _?=, the rest of the line, spaces and all; else its own.
    ${GetParameters} $R0
    ${StrStr} $R1 " $R0" " _?="
    StrCpy $ExplicitDir $EXEDIR
    StrCpy $Copy 0
    ${If} $R1 != ""
        StrCpy $Copy 1
        StrCpy $ExplicitDir $R1 "" 4
        StrLen $R2 $R1
        StrCpy $R0 " $R0" -$R2 ; the switches before it
        ${IfThen} $R0 == " " ${|} StrCpy $R0 "" ${|}
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
    Call OneAtATime
    StrCpy $Requested "" ; none: the entry that names the folder decides
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
    SetDetailsPrint none
    SetOutPath $TEMP ; no folder goes while it is the working one
    SetDetailsPrint both
    ; Just before anything goes: a game started while the player was asked
    ; keeps everything.
    StrCpy $R0 $INSTDIR
    Call WaitWhileRunning
    StrCpy $R1 "${FILE_LIST}"
    Call SetAside
    ${If} $Stuck != ""
        !insertmacro Stop ${EXIT_HELD} "$(Held)"
    ${EndIf}
    StrCpy $R2 "${ASIDE}"
    Call DeleteListed
    ; The uninstaller itself, unless it is the one running (in place, for a
    ; script) or the one waiting for this copy, whose own copy removes it.
    Delete "$INSTDIR\Uninstall.exe"
    StrCpy $R0 ""
    ${IfThen} $INSTDIR == $InstalledDir ${|} ReadRegDWORD $R0 SHCTX "${ENTRY}" FolderExisted ${|}
    ${IfThen} $R0 != 1 ${|} RMDir $INSTDIR ${|}
    ${If} $INSTDIR == $InstalledDir
        Delete "$SMPROGRAMS\Facereel.lnk"
        DeleteRegKey SHCTX "${ENTRY}"
    ${EndIf}
    !insertmacro Unlock
SectionEnd
