; What the installer and the uninstaller are alike: 64-bit Unicode programs
; that ask for no rights of their own, store no times (the same bytes from the
; same files), carry a manifest and version information, and speak the
; player's language. pack.cmake defines VERSION, VERSION_MAJOR,
; VERSION_MINOR, PUBLISHER, ICON, FILES (the list of files, files.nsh) and
; OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
SetDateSave off
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true

!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinVer.nsh
!include MUI2.nsh
!include "${FILES}"

Name "Facereel"
OutFile "${OUTFILE}"
BrandingText "Facereel ${VERSION}"
!define MUI_ICON "${ICON}"
VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"

; What the messages name, declared before the messages.
Var Stuck            ; the file that could not be moved, written or removed
Var InstalledVersion ; the version the entry names
Var NeededMB         ; the room the new version needs
Var FreeMB           ; the room there is

; After the pages: the languages, each one file of texts (English first: it
; is the one for any language not here), NSIS taking the one of Windows'
; display language; then the version information, DESCRIPTION its file's.
!macro Languages DESCRIPTION
    !include "${__FILEDIR__}/lang/english.nsh"
    !include "${__FILEDIR__}/lang/german.nsh"
    !include "${__FILEDIR__}/lang/french.nsh"
    VIAddVersionKey /LANG=${LANG_ENGLISH} ProductName "Facereel"
    VIAddVersionKey /LANG=${LANG_ENGLISH} ProductVersion "${VERSION}"
    VIAddVersionKey /LANG=${LANG_ENGLISH} FileVersion "${VERSION}"
    VIAddVersionKey /LANG=${LANG_ENGLISH} FileDescription "${DESCRIPTION}"
    VIAddVersionKey /LANG=${LANG_ENGLISH} CompanyName "${PUBLISHER}"
    VIAddVersionKey /LANG=${LANG_ENGLISH} LegalCopyright "Copyright 2026 ${PUBLISHER}"
!macroend
