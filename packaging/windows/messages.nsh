; The installer's and the uninstaller's own texts, in English: a translation
; is a copy of this file with another language's LangStrings.
LangString Running ${LANG_ENGLISH} "Facereel is running. Close the game, then choose Retry.$\r$\n\
    Cancel leaves everything as it is."
LangString NeedsWindows10 ${LANG_ENGLISH} "Facereel needs Windows 10 or later."
LangString NeedsAdmin ${LANG_ENGLISH} "Facereel for all users needs administrator rights."
LangString InstalledForAll ${LANG_ENGLISH} "Facereel is installed for all users already. Install it the same way \
    to update it, or remove it first in Settings, Apps."
LangString InstalledForYou ${LANG_ENGLISH} "Facereel is installed for you alone already. Install it the same way \
    to update it, or remove it first in Settings, Apps."
LangString Newer ${LANG_ENGLISH} "Facereel $R0 is installed, newer than this ${VERSION}. \
    Replace it with the older version?"
LangString UninstallFailed ${LANG_ENGLISH} "The installed Facereel could not be removed (status $R1), \
    so this version was not installed."
LangString Foreign ${LANG_ENGLISH} "$INSTDIR holds files that are not Facereel's, and Facereel never \
    installs over another program's files. Choose an empty or a new folder."
LangString Unsafe ${LANG_ENGLISH} "For all users Facereel installs only in $PROGRAMFILES64, where only \
    administrators can change it. Choose a folder there."
LangString Unwritable ${LANG_ENGLISH} "Facereel cannot be installed in $INSTDIR: $R2 cannot be written. \
    Nothing was changed."
LangString CopyFailed ${LANG_ENGLISH} "A file could not be written, so Facereel was not installed and nothing \
    of it is left. Run the installer again."
LangString RemoveFailed ${LANG_ENGLISH} "$R2 could not be removed, so Facereel stays installed. Close what \
    uses it, then uninstall again."
LangString TempFailed ${LANG_ENGLISH} "The uninstaller could not start its copy in $TEMP. Nothing was changed."
LangString ScopeTitle ${LANG_ENGLISH} "Install for"
LangString ScopeText ${LANG_ENGLISH} "Facereel can be installed for you alone or for everyone on this computer."
LangString ScopeMe ${LANG_ENGLISH} "Only for &me (no administrator rights needed)"
LangString ScopeAll ${LANG_ENGLISH} "For &everyone on this computer (needs administrator rights)"
LangString UninstallCaption ${LANG_ENGLISH} "Facereel Uninstall"
LangString ConfirmUninstall ${LANG_ENGLISH} "Remove Facereel from this computer?"
LangString Uninstalling ${LANG_ENGLISH} "Uninstalling"
LangString UninstallingText ${LANG_ENGLISH} "Please wait while Facereel is removed."
LangString Uninstalled ${LANG_ENGLISH} "Facereel was removed"
LangString UninstallStopped ${LANG_ENGLISH} "Facereel stays installed"
