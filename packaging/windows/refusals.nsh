; What stops the installer before it touches anything: the other scope, no
; administrator rights (it starts itself again elevated), a newer version, a
; folder outside Program Files for all users or holding another program's
; files, and a folder or file it could not write. Each refusal has a status
; of its own (installed.nsh).

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
    StrCpy $R0 $INSTDIR
    Call HoldsFiles
    ${If} $R1 = 1
        MessageBox MB_ICONSTOP "$(Foreign)" /SD IDOK
        !insertmacro Refuse ${EXIT_FOREIGN}
    ${EndIf}
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
        !insertmacro NextListed
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
