; What the installer and the uninstaller (two programs) share: the entry,
; the exit statuses, which scope holds Facereel and where, whether the game
; runs, elevation, and removing a list of installed files.

!define ENTRY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Facereel"

; Exit statuses. 0, 1 (the player cancelled) and 2 (aborted, or a damaged
; file) are NSIS's own; ours start at 10. docs/windows.md says what a caller
; should do with each.
!define EXIT_RUNNING 10   ; the game runs from the folder: nothing changed
!define EXIT_NEWER 11     ; a newer version is installed: nothing changed
!define EXIT_UNINSTALL 12 ; the installed version's uninstaller failed: not installed
!define EXIT_ADMIN 13     ; for all users without administrator rights: nothing changed
!define EXIT_SCOPE 14     ; installed for the other scope: nothing changed
!define EXIT_WINDOWS 15   ; older than Windows 10
!define EXIT_FOREIGN 16   ; the folder holds files that are not Facereel's: nothing changed
!define EXIT_UNSAFE 17    ; for all users outside Program Files: nothing changed
!define EXIT_UNWRITABLE 18 ; the folder or a file in it cannot be written: nothing changed
!define EXIT_COPY 19      ; a write failed while copying: nothing is installed
!define EXIT_REMOVE 20    ; a file could not be removed: the entry and shortcut stay
!define EXIT_TEMP 21      ; the uninstaller could not start its copy in Temp: nothing changed

!define ELEVATED_MARKER "/Elevated" ; the copy started elevated, which never starts another

Var Requested    ; the scope asked for: 1 all users, 0 the current user, "" none
Var ForAllUsers  ; the scope in use: 1 all users, 0 the current user
Var ExplicitDir  ; the folder named by /D= (installer) or _?= (uninstaller)
Var InstalledDir ; the folder this scope's entry names, or ""
Var OtherDir     ; the folder the other scope's entry names, or ""
Var Elevated     ; 1 in the copy started elevated

; The folder that the entry of the current shell context names, in $R9.
Function InstalledFolder
    ReadRegStr $R9 SHCTX "${ENTRY}" InstallLocation
    ${If} $R9 == "" ; 1.00 from CPack named only its uninstaller, in the folder
        ReadRegStr $R9 SHCTX "${ENTRY}" UninstallString
        ${If} $R9 != ""
            ${WordReplace} "$R9" '"' "" "+" $R9
            ${GetParent} "$R9" $R9
        ${EndIf}
    ${EndIf}
FunctionEnd

; The one rule for which scope holds Facereel, and where: the scope asked for
; ($Requested), else the one whose entry exists (all users first, as 1.00
; installed), else the current user. Sets the shell context, $ForAllUsers,
; $InstalledDir, $OtherDir and $INSTDIR (the named folder, else the
; installed one, else the scope's default).
Function Scope
    SetRegView 64 ; the view Settings reads, whatever the caller's
    SetShellVarContext all
    Call InstalledFolder
    StrCpy $R8 $R9
    SetShellVarContext current
    Call InstalledFolder
    ${If} $Requested != ""
        StrCpy $ForAllUsers $Requested
    ${ElseIf} $R8 != ""
        StrCpy $ForAllUsers 1
    ${Else}
        StrCpy $ForAllUsers 0
    ${EndIf}
    ${If} $ForAllUsers = 1
        SetShellVarContext all
        StrCpy $InstalledDir $R8
        StrCpy $OtherDir $R9
        StrCpy $INSTDIR "$PROGRAMFILES64\Facereel"
    ${Else}
        StrCpy $InstalledDir $R9
        StrCpy $OtherDir $R8
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Facereel"
    ${EndIf}
    ${If} $ExplicitDir != ""
        StrCpy $INSTDIR $ExplicitDir
    ${ElseIf} $InstalledDir != ""
        StrCpy $INSTDIR $InstalledDir
    ${EndIf}
FunctionEnd

; Whether facereel.exe in folder $R0 runs, in $R1 (1 or 0): Windows lets
; nobody open a running program for writing.
Function InUse
    System::Call 'kernel32::CreateFileW(w "$R0\facereel.exe", i 0x40000000, i 7, p 0, i 3, i 0x80, p 0) p.R1 ?e'
    Pop $R2 ; the last error
    ${If} $R1 P<> -1
        System::Call 'kernel32::CloseHandle(p R1)'
        StrCpy $R1 0
    ${ElseIf} $R2 = 32 ; ERROR_SHARING_VIOLATION
        StrCpy $R1 1
    ${Else}
        StrCpy $R1 0 ; not there
    ${EndIf}
FunctionEnd

; Waits, with Retry or Cancel, until the game in folder $R0 is closed; never
; ends it. Cancel, or /S, quits with EXIT_RUNNING.
Function WaitWhileRunning
    ${Do}
        Call InUse
        ${If} $R1 = 0
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" /SD IDCANCEL IDRETRY retry
        SetErrorLevel ${EXIT_RUNNING}
        Quit
        retry:
    ${Loop}
FunctionEnd

; $R0 "1" with administrator rights, else "0". A test build pretends that
; only the elevated copy has them, so the relaunch can be seen under Wine,
; whose user is always an administrator.
Function IsAdmin
    UserInfo::GetAccountType
    Pop $R0
    ${If} $R0 == "Admin"
        StrCpy $R0 1
    ${Else}
        StrCpy $R0 0
    ${EndIf}
!ifdef TEST_NOT_ADMIN
    StrCpy $R0 $Elevated
!endif
FunctionEnd

; Starts this program again, elevated, with the marker and the switches in
; $R0 (any /D= or _?= last), hidden itself while it waits. $R0 becomes the
; copy's exit status, or "declined" when the player refused the prompt (or
; it could not start).
Function Elevate
    StrCpy $R1 "${ELEVATED_MARKER} $R0"
    ; SHELLEXECUTEINFOW as x64 lays it out, the padding written out:
    ; SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC, SW_SHOWNORMAL.
    System::Call '*(i 112, i 0x140, p $HWNDPARENT, w "runas", w "$EXEPATH", w R1, p 0, i 1, i 0, \
        p 0, p 0, p 0, p 0, i 0, i 0, p 0, p 0) p.R2'
    System::Call 'shell32::ShellExecuteExW(p R2) i.R3'
    System::Call '*$R2(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p.R4)'
    System::Free $R2
    ${If} $R3 = 0
    ${OrIf} $R4 P= 0
        StrCpy $R0 "declined"
        Return
    ${EndIf}
    HideWindow
    System::Call 'kernel32::WaitForSingleObject(p R4, i -1)'
    System::Call 'kernel32::GetExitCodeProcess(p R4, *i 0 R0)'
    System::Call 'kernel32::CloseHandle(p R4)'
FunctionEnd

; For all users: $R0 1 when this copy has administrator rights. Without them
; it starts itself again elevated with the switches in $R1 and ends with that
; copy's status; $R0 is 0 when the player declined, or in the elevated copy,
; which never starts another.
Function Rights
    Call IsAdmin
    ${If} $R0 = 1
    ${OrIf} $Elevated = 1
        Return
    ${EndIf}
    StrCpy $R0 $R1
    Call Elevate
    ${If} $R0 != "declined"
        SetErrorLevel $R0
        Quit
    ${EndIf}
    StrCpy $R0 0
FunctionEnd

; The next item of list $R3 ("a|dir\b|"), taken off it, in $R4.
!macro NextListed
    ${WordFind} "$R3" "|" "+1" $R4
    StrLen $R5 $R4
    IntOp $R5 $R5 + 1
    StrCpy $R3 $R3 "" $R5
!macroend

; Removes the files of list $R1 ("a|dir\b|", relative) from folder $R0, then
; their folders where that leaves them empty. $R2 is "" when all went, else
; the first file that stayed (and nothing after it was touched). Names that
; would lead out of the folder are passed over.
Function RemoveListed
    StrCpy $R2 ""
    StrCpy $R3 $R1
    ${Do}
        ${IfThen} $R3 == "" ${|} ${Break} ${|}
        !insertmacro NextListed
        Push "$R0\$R4"
        Push $R0
        Call Inside
        Pop $R5
        ${If} $R4 == ""
        ${OrIf} $R5 = 0
            ${Continue}
        ${EndIf}
        Delete "$R0\$R4"
        ${If} ${FileExists} "$R0\$R4"
            StrCpy $R2 "$R0\$R4"
            Return
        ${EndIf}
        ${GetParent} "$R0\$R4" $R5
        ${If} $R5 != $R0
            RMDir $R5
        ${EndIf}
    ${Loop}
FunctionEnd

; Pops a folder, then a path; pushes 1 if the path, made full (.. resolved),
; lies inside the folder, else 0. No register changes.
Function Inside
    Exch $R1
    Exch
    Exch $R0
    Push $R2
    System::Call 'kernel32::GetFullPathNameW(w R0, i ${NSIS_MAX_STRLEN}, w .R0, p 0)'
    StrLen $R2 "$R1\"
    StrCpy $R0 $R0 $R2
    ${If} $R0 == "$R1\" ; compared without case
        StrCpy $R0 1
    ${Else}
        StrCpy $R0 0
    ${EndIf}
    Pop $R2
    Exch $R0
    Exch
    Pop $R1
FunctionEnd
