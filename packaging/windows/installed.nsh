; What the installer and the uninstaller both need to know of an installed
; Facereel: its entry, whether it is running, and how each refusal ends.

!define ENTRY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Facereel"

; Exit statuses, for /S above all (1 is NSIS's own: the player cancelled).
!define EXIT_RUNNING 2   ; the game runs from the folder
!define EXIT_NEWER 3     ; a newer version is installed
!define EXIT_UNINSTALL 4 ; the installed version could not be removed
!define EXIT_ADMIN 5     ; for all users, without administrator rights
!define EXIT_SCOPE 6     ; installed for the other scope
!define EXIT_WINDOWS 7   ; older than Windows 10

; Running: Windows lets nobody write to a program file while it runs. Its
; folder in $0; pushes 1 if facereel.exe there is running, else 0.
!macro InUseFunction un
Function ${un}InUse
    System::Call 'kernel32::CreateFileW(w "$0\facereel.exe", i 0x40000000, i 7, p 0, i 3, i 0x80, p 0) p.r1 ?e'
    Pop $2 ; the last error
    ${If} $1 P<> -1
        System::Call 'kernel32::CloseHandle(p r1)'
        Push 0
    ${ElseIf} $2 = 32 ; ERROR_SHARING_VIOLATION
        Push 1
    ${Else}
        Push 0 ; not there
    ${EndIf}
FunctionEnd
!macroend

; Waits, with Retry or Cancel, until the game in FOLDER is closed; never ends
; it. Cancel, or /S, quits before anything is touched.
!macro WaitWhileRunning un folder
    ${Do}
        StrCpy $0 "${folder}"
        Call ${un}InUse
        Pop $1
        ${IfThen} $1 = 0 ${|} ${Break} ${|}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Facereel is running. Close the game, then choose Retry.$\r$\nCancel leaves everything as it is." \
            /SD IDCANCEL IDRETRY +3
        SetErrorLevel ${EXIT_RUNNING}
        Quit
    ${Loop}
!macroend

; For all users: without administrator rights, starts itself again elevated
; with WHAT, or refuses under /S.
!macro RefuseWithoutAdmin what
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        ClearErrors ; interactively: again, elevated
        ${IfNot} ${Silent}
            ExecShell "runas" "$EXEPATH" "${what}"
            ${IfNot} ${Errors}
                Quit
            ${EndIf}
        ${EndIf}
        MessageBox MB_ICONSTOP "Facereel for all users needs administrator rights." /SD IDOK
        SetErrorLevel ${EXIT_ADMIN}
        Quit
    ${EndIf}
!macroend
