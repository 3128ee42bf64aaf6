; Les textes propres au programme d'installation et au programme de
; désinstallation, en français (a copy of english.nsh).
!insertmacro MUI_LANGUAGE "French"
!define L ${LANG_FRENCH}
LangString Running ${L} "Facereel est en cours d'exécution. Fermez le jeu, puis choisissez Réessayer.$\r$\n\
    Annuler laisse tout en l'état."
LangString NeedsWindows10 ${L} "Facereel nécessite Windows 10 ou une version ultérieure."
LangString NeedsAdmin ${L} "Pour tous les utilisateurs, Facereel nécessite des droits d'administrateur : rien n'a \
    donc été modifié. Demandez à un administrateur, ou installez-le pour vous seul."
LangString InstalledForAll ${L} "Facereel est déjà installé pour tous les utilisateurs. Installez-le de la même \
    manière pour le mettre à jour, ou supprimez-le d'abord dans Paramètres, Applications."
LangString InstalledForYou ${L} "Facereel est déjà installé pour vous seul. Installez-le de la même manière pour le \
    mettre à jour, ou supprimez-le d'abord dans Paramètres, Applications."
LangString Newer ${L} "Facereel $InstalledVersion est installé, plus récent que cette version ${VERSION}. Le \
    remplacer par la version plus ancienne ?"
LangString Busy ${L} "Un autre programme d'installation ou de désinstallation de Facereel est à l'œuvre. Attendez \
    qu'il ait fini, puis réessayez. Rien n'a été modifié."
LangString NoRoom ${L} "Facereel a besoin de $NeededMB Mo sur le lecteur de $INSTDIR, qui n'en a que $FreeMB de \
    libres. Faites-y de la place, ou choisissez un autre dossier. Rien n'a été modifié."
LangString Foreign ${L} "$INSTDIR contient des fichiers qui ne sont pas ceux de Facereel, et Facereel ne s'installe \
    jamais par-dessus les fichiers d'un autre programme. Choisissez un dossier vide ou nouveau."
LangString Unsafe ${L} "Pour tous les utilisateurs, Facereel ne s'installe que dans $PROGRAMFILES64, que seuls les \
    administrateurs peuvent modifier. Choisissez-y un dossier."
LangString Unwritable ${L} "Facereel ne peut pas être installé dans $INSTDIR : $Stuck ne peut pas être écrit. \
    Choisissez un autre dossier. Rien n'a été modifié."
LangString Held ${L} "$Stuck est utilisé par un autre programme : Facereel est donc resté tel qu'il était. Fermez ce \
    programme, ou attendez la fin d'une analyse antivirus, puis réessayez."
LangString CopyFailed ${L} "Un fichier n'a pas pu être écrit (le lecteur est peut-être plein ou défaillant) : cette \
    version n'a donc pas été installée, et Facereel est tel qu'avant. Faites de la place sur le lecteur, puis \
    relancez le programme d'installation."
LangString CopyFailedLeft ${L} "Un fichier n'a pas pu être écrit : cette version n'a donc pas été installée, et \
    $Stuck n'a pas pu être nettoyé. Relancez le programme d'installation pour réparer Facereel."
LangString TempFailed ${L} "Le programme de désinstallation n'a pas pu lancer sa copie dans le dossier Temp : rien \
    n'a donc été modifié. Faites de la place sur le lecteur, puis réessayez."
LangString InstallStopped ${L} "Facereel est tel qu'avant ; les détails en donnent la raison."
LangString ScopeTitle ${L} "Installer pour"
LangString ScopeText ${L} "Choisissez qui peut jouer à Facereel sur cet ordinateur."
LangString ScopeMe ${L} "Pour &moi seulement"
LangString ScopeMeText ${L} "Dans votre propre dossier (AppData\Local\Programs) et votre menu Démarrer. Aucun droit \
    d'administrateur nécessaire ; les autres utilisateurs de cet ordinateur ne le voient pas."
LangString ScopeAll ${L} "Pour &tous les utilisateurs de cet ordinateur"
LangString ScopeAllText ${L} "Dans Program Files et dans le menu Démarrer de chaque utilisateur. Windows demande \
    l'autorisation d'un administrateur."
LangString LicencesTitle ${L} "Licences"
LangString LicencesText ${L} "Pour information : Facereel et les composants qu'il apporte sont des logiciels libres."
LangString LicencesBottom ${L} "Il n'y a rien à accepter. Cliquez sur Suivant pour continuer."
LangString UninstallCaption ${L} "Désinstallation de Facereel"
LangString ConfirmUninstall ${L} "Supprimer Facereel de cet ordinateur ?"
LangString Uninstalling ${L} "Désinstallation"
LangString UninstallingText ${L} "Veuillez patienter pendant la suppression de Facereel."
LangString Uninstalled ${L} "Facereel a été supprimé"
LangString UninstallStopped ${L} "Facereel reste installé"
LangString UninstallStoppedText ${L} "Rien n'a été supprimé ; les détails en donnent la raison."
!undef L
