; What the installer and the uninstaller are alike: 64-bit Unicode programs
; that ask for no rights of their own, store no times (the same bytes from the
; same files), and carry a manifest and version information. pack.cmake
; defines VERSION, VERSION_MAJOR, VERSION_MINOR, PUBLISHER, ICON, FILES (the
; list of files, files.nsh) and OUTFILE.
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
!define MUI_ICON "${ICON}"
VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"

; After the language: the version information, DESCRIPTION its file's.
!macro ProgramVersion DESCRIPTION
    VIAddVersionKey /LANG=${LANG_ENGLISH} ProductName "Facereel"
    VIAddVersionKey /LANG=${LANG_ENGLISH} ProductVersion "${VERSION}"
    VIAddVersionKey /LANG=${LANG_ENGLISH} FileVersion "${VERSION}"
    VIAddVersionKey /LANG=${LANG_ENGLISH} FileDescription "${DESCRIPTION}"
    VIAddVersionKey /LANG=${LANG_ENGLISH} CompanyName "${PUBLISHER}"
    VIAddVersionKey /LANG=${LANG_ENGLISH} LegalCopyright "Copyright 2026 ${PUBLISHER}"
!macroend
