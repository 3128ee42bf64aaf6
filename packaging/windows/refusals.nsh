; What stops the installer before it touches anything: the other scope, no
; administrator rights (it starts itself again elevated), a newer version, a
; folder outside Program Files for all users or holding another program's
; files, a folder it could not write, too little room. Each refusal has a
; status of its own (installed.nsh).

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
        ${GetParameters} $R1
        StrCpy $R1 "$R1 /AllUsers" ; the page's choice, or the installed scope's
        ${IfThen} $ExplicitDir != "" ${|} StrCpy $R1 "$R1 /D=$ExplicitDir" ${|}
        Call Rights
        ${If} $R0 = 0 ; declined: back to the choice on the page
            MessageBox MB_ICONSTOP "$(NeedsAdmin)" /SD IDOK
            !insertmacro Refuse ${EXIT_ADMIN}
        ${EndIf}
    ${EndIf}
    ${If} $InstalledDir != ""
        Call InstalledVersion
        ${If} $R1 > ${VERSION_NUMBER}
            ReadRegStr $InstalledVersion SHCTX "${ENTRY}" DisplayVersion
            MessageBox MB_YESNO|MB_ICONQUESTION "$(Newer)" /SD IDNO IDYES replace
            SetErrorLevel ${EXIT_NEWER}
            Quit
            replace:
        ${EndIf}
    ${EndIf}
FunctionEnd

; The folder: for all users inside Program Files (whose rights keep users
; from changing it), and never one with another program's files in it: only
; an empty one, or one that holds Facereel (an entry names it, or our program
; and uninstaller are there).
Function FolderRefusals
    ${If} $ForAllUsers = 1
        Push $INSTDIR
        Push $PROGRAMFILES64
        Call Inside
        Pop $R0
        ${If} $R0 = 0
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
    ${DirState} $INSTDIR $R0
    ${If} $R0 = 1
        MessageBox MB_ICONSTOP "$(Foreign)" /SD IDOK
        !insertmacro Refuse ${EXIT_FOREIGN}
    ${EndIf}
FunctionEnd

; The folder takes files, before anything is changed: it can be made (or
; is there) and takes a new file, no file stands where a folder of ours goes
; and no folder where a file does. Files there already are set aside later,
; whole or not at all.
Function CheckWritable
    StrCpy $MadeFolder 0
    StrCpy $FolderExisted 0
    ${If} $INSTDIR == $InstalledDir
        ReadRegDWORD $FolderExisted SHCTX "${ENTRY}" FolderExisted
    ${Else}
        ${DirState} $INSTDIR $R0
        ${IfThen} $R0 = 0 ${|} StrCpy $FolderExisted 1 ${|}
    ${EndIf}
    StrCpy $Stuck $INSTDIR
    ${IfNot} ${FileExists} "$INSTDIR\*.*" ; new, or an install whose folder was lost
        ClearErrors
        CreateDirectory $INSTDIR
        ${IfThen} ${Errors} ${|} Goto unwritable ${|}
        StrCpy $MadeFolder 1
    ${EndIf}
    ClearErrors
    FileOpen $R0 "$INSTDIR\facereel-write-check.tmp" w
    ${IfThen} ${Errors} ${|} Goto unwritable ${|}
    FileClose $R0
    Delete "$INSTDIR\facereel-write-check.tmp"
    StrCpy $R0 $INSTDIR
    StrCpy $R3 "${WRITTEN}"
    ${Do}
        Call NextInside
        ${IfThen} $R4 == "" ${|} ${Break} ${|}
        ${GetParent} "$INSTDIR\$R4" $Stuck
        ${If} ${FileExists} $Stuck
        ${AndIfNot} ${FileExists} "$Stuck\*.*"
            Goto unwritable ; a file where the folder goes
        ${EndIf}
        StrCpy $Stuck "$INSTDIR\$R4"
        ${IfThen} ${FileExists} "$Stuck\*.*" ${|} Goto unwritable ${|} ; a folder where the file goes
    ${Loop}
    Return
    unwritable:
    !insertmacro Stop ${EXIT_UNWRITABLE} "$(Unwritable)"
FunctionEnd

; Room for the new version beside the old one, which stays (aside) until the
; new one is whole, under /S too. A drive whose room cannot be read is tried.
Function CheckSpace
    ${GetRoot} $INSTDIR $R0
    ClearErrors
    ${DriveSpace} "$R0\" "/D=F /S=M" $FreeMB
    ${IfThen} ${Errors} ${|} Return ${|}
    IntOp $NeededMB ${SIZE_KB} / 1024
    IntOp $NeededMB $NeededMB + 2 ; rounded up, and the folders' own
    ${If} $FreeMB < $NeededMB
        !insertmacro Stop ${EXIT_ROOM} "$(NoRoom)"
    ${EndIf}
FunctionEnd
