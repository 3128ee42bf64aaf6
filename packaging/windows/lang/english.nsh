; The installer's and the uninstaller's own texts, in English, the language
; of any player whose language is not here. A translation is a copy of this
; file in another language, named in program.nsh's Languages.
!insertmacro MUI_LANGUAGE "English"
!define L ${LANG_ENGLISH}
LangString Running ${L} "Facereel is running. Close the game, then choose Retry.$\r$\nCancel leaves everything as it is."
LangString NeedsWindows10 ${L} "Facereel needs Windows 10 or later."
LangString NeedsAdmin ${L} "Facereel for all users needs administrator rights, so nothing was changed. \
    Ask an administrator, or install it for yourself alone."
LangString InstalledForAll ${L} "Facereel is installed for all users already. Install it the same way to update \
    it, or remove it first in Settings, Apps."
LangString InstalledForYou ${L} "Facereel is installed for you alone already. Install it the same way to update \
    it, or remove it first in Settings, Apps."
LangString Newer ${L} "Facereel $InstalledVersion is installed, newer than this ${VERSION}. Replace it with the \
    older version?"
LangString Busy ${L} "Another installer or uninstaller of Facereel is at work. Let it finish, then try again. \
    Nothing was changed."
LangString NoRoom ${L} "Facereel needs $NeededMB MB on the drive of $INSTDIR, which has $FreeMB MB free. Make room \
    there, or choose another folder. Nothing was changed."
LangString Foreign ${L} "$INSTDIR holds files that are not Facereel's, and Facereel never installs over another \
    program's files. Choose an empty or a new folder."
LangString Unsafe ${L} "For all users Facereel installs only in $PROGRAMFILES64, where only administrators can \
    change it. Choose a folder there."
LangString Unwritable ${L} "Facereel cannot be installed in $INSTDIR: $Stuck cannot be written. Choose another \
    folder. Nothing was changed."
LangString Held ${L} "$Stuck is in use by another program, so Facereel was left as it was. Close that program, or \
    wait for a virus scan to end, then try again."
LangString CopyFailed ${L} "A file could not be written (the drive may be full or failing), so this version was not \
    installed, and Facereel is as it was before. Make room on the drive, then run the installer again."
LangString CopyFailedLeft ${L} "A file could not be written, so this version was not installed, and $Stuck could \
    not be cleaned up. Run the installer again to repair Facereel."
LangString TempFailed ${L} "The uninstaller could not start its copy in the Temp folder, so nothing was changed. \
    Make room on the drive, then try again."
LangString InstallStopped ${L} "Facereel is as it was before; the details say why."
LangString ScopeTitle ${L} "Install for"
LangString ScopeText ${L} "Choose who can play Facereel on this computer."
LangString ScopeMe ${L} "Only for &me"
LangString ScopeMeText ${L} "In your own folder (AppData\Local\Programs) and your Start menu. Needs no \
    administrator rights; other users of this computer do not see it."
LangString ScopeAll ${L} "For &everyone on this computer"
LangString ScopeAllText ${L} "In Program Files and every user's Start menu. Windows asks for an administrator's \
    permission."
LangString LicencesTitle ${L} "Licences"
LangString LicencesText ${L} "For your information: Facereel and the parts it brings are free software."
LangString LicencesBottom ${L} "There is nothing to agree to. Click Next to go on."
LangString UninstallCaption ${L} "Facereel Uninstall"
LangString ConfirmUninstall ${L} "Remove Facereel from this computer?"
LangString Uninstalling ${L} "Uninstalling"
LangString UninstallingText ${L} "Please wait while Facereel is removed."
LangString Uninstalled ${L} "Facereel was removed"
LangString UninstallStopped ${L} "Facereel stays installed"
LangString UninstallStoppedText ${L} "Nothing was removed; the details say why."
!undef L
