; What the installer and the uninstaller (two programs) share: the entry,
; the exit statuses, which scope holds Facereel and where, whether a file is
; held, one of them at a time, elevation, and how they stop.

!define ENTRY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Facereel"

; Exit statuses. 0, 1 (the player cancelled) and 2 (aborted, or a damaged
; file) are NSIS's own; ours start at 10. docs/windows-installer.md says what
; a caller should do with each. 12 is no longer given.
!define EXIT_RUNNING 10   ; the game runs from the folder: nothing changed
!define EXIT_NEWER 11     ; a newer version is installed: nothing changed
!define EXIT_ADMIN 13     ; for all users without administrator rights: nothing changed
!define EXIT_SCOPE 14     ; installed for the other scope: nothing changed
!define EXIT_WINDOWS 15   ; older than Windows 10
!define EXIT_FOREIGN 16   ; the folder holds files that are not Facereel's: nothing changed
!define EXIT_UNSAFE 17    ; for all users outside Program Files: nothing changed
!define EXIT_UNWRITABLE 18 ; the folder cannot be written: nothing changed
!define EXIT_COPY 19      ; a write failed while installing: Facereel is as it was
!define EXIT_HELD 20      ; another program holds a file of Facereel: nothing changed
!define EXIT_TEMP 21      ; the uninstaller could not start its copy in Temp: nothing changed
!define EXIT_BUSY 22      ; another installer or uninstaller of Facereel is at work: nothing changed
!define EXIT_ROOM 23      ; too little free space for the new version: nothing changed

!define ELEVATED_MARKER "/Elevated" ; the copy started elevated, which never starts another
!define CHILD_MARKER "/Child"       ; a copy whose starter holds the one-at-a-time lock

Var Requested    ; the scope asked for: 1 all users, 0 the current user, "" none
Var ForAllUsers  ; the scope in use: 1 all users, 0 the current user
Var ExplicitDir  ; the folder named by /D= (installer) or _?= (uninstaller)
Var InstalledDir ; the folder this scope's entry names, or ""
Var OtherDir     ; the folder the other scope's entry names, or ""
Var Elevated     ; 1 in the copy started elevated
Var Lock         ; the one-at-a-time lock this program holds, if any

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
; ($Requested), else the one whose entry names the folder asked for
; ($ExplicitDir), else the one whose entry exists (all users first, as 1.00
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
    ${ElseIf} $ExplicitDir != ""
    ${AndIf} $ExplicitDir == $R8
        StrCpy $ForAllUsers 1
    ${ElseIf} $ExplicitDir != ""
    ${AndIf} $ExplicitDir == $R9
        StrCpy $ForAllUsers 0
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

; Only one installer or uninstaller of Facereel works at a time, for any
; user: a second is refused. The lock is Windows' and goes with the program
; that holds it; the copies a program starts itself (elevated, or in Temp)
; work under their starter's.
Function OneAtATime
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "${CHILD_MARKER}" $R1
    ${IfNot} ${Errors}
    ${OrIf} $Elevated = 1
        Return
    ${EndIf}
    System::Call 'kernel32::CreateMutexW(p 0, i 1, w "Global\Facereel.Setup") p.s ?e'
    Pop $R2 ; the last error: it exists already, or an elevated one holds it
    Pop $Lock
    ${If} $R2 = 183 ; ERROR_ALREADY_EXISTS
    ${OrIf} $R2 = 5 ; ERROR_ACCESS_DENIED
        MessageBox MB_ICONEXCLAMATION "$(Busy)" /SD IDOK
        SetErrorLevel ${EXIT_BUSY}
        Quit
    ${EndIf}
FunctionEnd

; The work is done: a finish page left open keeps no one waiting.
!macro Unlock
    System::Call 'kernel32::CloseHandle(p $Lock)'
!macroend

; Pops a path; pushes 1 when another program holds that file so that it
; cannot be written: a running program (Windows lets nobody write it) or a
; file opened without write sharing; else 0, also when it is not there.
Function Held
    Exch $R0
    Push $R1
    Push $R2
    System::Call 'kernel32::CreateFileW(w R0, i 0x40000000, i 7, p 0, i 3, i 0x80, p 0) p.R1 ?e'
    Pop $R2 ; the last error
    StrCpy $R0 0
    ${If} $R1 P<> -1
        System::Call 'kernel32::CloseHandle(p R1)'
    ${ElseIf} $R2 = 32 ; ERROR_SHARING_VIOLATION
        StrCpy $R0 1
    ${EndIf}
    Pop $R2
    Pop $R1
    Exch $R0
FunctionEnd

; Waits, with Retry or Cancel, until the game in folder $R0 is closed; never
; ends it. Cancel, or /S, stops with EXIT_RUNNING, nothing touched.
Function WaitWhileRunning
    ${Do}
        Push "$R0\facereel.exe"
        Call Held
        Pop $R1
        ${IfThen} $R1 = 0 ${|} Return ${|}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" /SD IDCANCEL IDRETRY retry
        DetailPrint "$(Running)"
        SetErrorLevel ${EXIT_RUNNING}
        Abort
        retry:
    ${Loop}
FunctionEnd

; Stops the work in a section with STATUS, saying why in a box (unless
; silent) and in the details, whose page then stays, with nothing changed.
!macro Stop STATUS TEXT
    MessageBox MB_ICONSTOP "${TEXT}" /SD IDOK
    DetailPrint "${TEXT}"
    SetErrorLevel ${STATUS}
    Abort
!macroend

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
