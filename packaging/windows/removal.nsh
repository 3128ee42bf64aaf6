; Removing installed files whole or not at all: the uninstaller's removal,
; and the installer's of the version it replaces, which it keeps until the
; new one is whole. Every file of a list is first moved aside in its own
; folder. If one cannot be moved (another program holds it without delete
; sharing), or once moved cannot be written (a running program, which
; Windows lets be moved but not deleted; a file held without write
; sharing), every file goes back and nothing is lost. Only when all are
; aside are they deleted, which nothing can refuse any more.
; Lists are relative names ending in "|": "a.dll|platforms\b.dll|".

!define ASIDE ".facereel-aside" ; the name's ending while a file is aside

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

; The next name of list $R3, taken off it, in $R4, or "" at its end: only
; names that stay inside folder $R0, so no list can lead out of it.
Function NextInside
    ${Do}
        ${If} $R3 == ""
            StrCpy $R4 ""
            Return
        ${EndIf}
        ${WordFind} "$R3" "|" "+1" $R4
        StrLen $R5 $R4
        IntOp $R5 $R5 + 1
        StrCpy $R3 $R3 "" $R5
        ${IfThen} $R4 == "" ${|} ${Continue} ${|}
        Push "$R0\$R4"
        Push $R0
        Call Inside
        Pop $R5
        ${IfThen} $R5 = 1 ${|} Return ${|}
    ${Loop}
FunctionEnd

; Sets the files of list $R1 in folder $R0 aside. $Stuck is "" when all that
; are there are aside, else the file that cannot go, and none is aside.
Function SetAside
    StrCpy $Stuck ""
    SetDetailsPrint none ; the names aside are no player's business
    StrCpy $R3 $R1
    ${Do}
        Call NextInside
        ${IfThen} $R4 == "" ${|} ${Break} ${|}
        ${IfNotThen} ${FileExists} "$R0\$R4" ${|} ${Continue} ${|} ; not there, or aside already
        Delete "$R0\$R4${ASIDE}" ; left by a run that was cut short
        ClearErrors
        Rename "$R0\$R4" "$R0\$R4${ASIDE}"
        ${If} ${Errors}
            StrCpy $Stuck "$R0\$R4"
            ${Break}
        ${EndIf}
        Push "$R0\$R4${ASIDE}"
        Call Held
        Pop $R5
        ${If} $R5 = 1
            StrCpy $Stuck "$R0\$R4"
            ${Break}
        ${EndIf}
    ${Loop}
    ${IfThen} $Stuck != "" ${|} Call PutBack ${|}
    SetDetailsPrint both
FunctionEnd

; Puts the files of list $R1 that are aside in folder $R0 back.
Function PutBack
    SetDetailsPrint none
    StrCpy $R3 $R1
    ${Do}
        Call NextInside
        ${IfThen} $R4 == "" ${|} ${Break} ${|}
        ${If} ${FileExists} "$R0\$R4${ASIDE}"
        ${AndIfNot} ${FileExists} "$R0\$R4"
            Rename "$R0\$R4${ASIDE}" "$R0\$R4"
        ${EndIf}
    ${Loop}
    SetDetailsPrint both
FunctionEnd

; Deletes the files of list $R1 in folder $R0, each name ending in $R2 ("",
; or ${ASIDE} for those aside), then their folders where that leaves them
; empty. $Stuck is "" when all went, else the first that stayed.
Function DeleteListed
    StrCpy $Stuck ""
    StrCpy $R3 $R1
    ${Do}
        Call NextInside
        ${IfThen} $R4 == "" ${|} ${Break} ${|}
        ${IfNotThen} ${FileExists} "$R0\$R4$R2" ${|} ${Continue} ${|}
        SetDetailsPrint none ; the file's own name in the details, not its name aside
        Delete "$R0\$R4$R2"
        SetDetailsPrint both
        DetailPrint "$(^Delete)$R0\$R4"
        ${If} ${FileExists} "$R0\$R4$R2"
        ${AndIf} $Stuck == ""
            StrCpy $Stuck "$R0\$R4"
        ${EndIf}
        ${GetParent} "$R0\$R4" $R5
        ${IfThen} $R5 != $R0 ${|} RMDir $R5 ${|}
    ${Loop}
FunctionEnd
