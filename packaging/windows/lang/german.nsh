; Die eigenen Texte des Installations- und des Deinstallationsprogramms, auf
; Deutsch (a copy of english.nsh).
!insertmacro MUI_LANGUAGE "German"
!define L ${LANG_GERMAN}
LangString Running ${L} "Facereel läuft. Schließen Sie das Spiel und wählen Sie dann „Wiederholen“.$\r$\n\
    „Abbrechen“ lässt alles, wie es ist."
LangString NeedsWindows10 ${L} "Facereel braucht Windows 10 oder neuer."
LangString NeedsAdmin ${L} "Für alle Benutzer braucht Facereel Administratorrechte, deshalb wurde nichts \
    geändert. Fragen Sie einen Administrator, oder installieren Sie es nur für sich."
LangString InstalledForAll ${L} "Facereel ist bereits für alle Benutzer installiert. Installieren Sie es auf \
    dieselbe Weise, um es zu aktualisieren, oder entfernen Sie es zuerst unter Einstellungen, Apps."
LangString InstalledForYou ${L} "Facereel ist bereits nur für Sie installiert. Installieren Sie es auf dieselbe \
    Weise, um es zu aktualisieren, oder entfernen Sie es zuerst unter Einstellungen, Apps."
LangString Newer ${L} "Facereel $InstalledVersion ist installiert, neuer als diese Version ${VERSION}. Soll es \
    durch die ältere Version ersetzt werden?"
LangString Busy ${L} "Ein anderes Installations- oder Deinstallationsprogramm von Facereel ist gerade am Werk. \
    Warten Sie, bis es fertig ist, und versuchen Sie es dann erneut. Es wurde nichts geändert."
LangString NoRoom ${L} "Facereel braucht $NeededMB MB auf dem Laufwerk von $INSTDIR, dort sind nur $FreeMB MB \
    frei. Schaffen Sie dort Platz, oder wählen Sie einen anderen Ordner. Es wurde nichts geändert."
LangString Foreign ${L} "$INSTDIR enthält Dateien, die nicht zu Facereel gehören, und Facereel installiert sich \
    nie über die Dateien eines anderen Programms. Wählen Sie einen leeren oder einen neuen Ordner."
LangString Unsafe ${L} "Für alle Benutzer installiert sich Facereel nur in $PROGRAMFILES64, wo nur \
    Administratoren etwas ändern können. Wählen Sie dort einen Ordner."
LangString Unwritable ${L} "Facereel kann nicht in $INSTDIR installiert werden: $Stuck lässt sich nicht \
    schreiben. Wählen Sie einen anderen Ordner. Es wurde nichts geändert."
LangString Held ${L} "$Stuck wird von einem anderen Programm verwendet, deshalb bleibt Facereel, wie es war. \
    Schließen Sie dieses Programm, oder warten Sie das Ende einer Virenprüfung ab, und versuchen Sie es dann erneut."
LangString CopyFailed ${L} "Eine Datei ließ sich nicht schreiben (vielleicht ist das Laufwerk voll oder defekt), \
    deshalb wurde diese Version nicht installiert, und Facereel ist wie zuvor. Schaffen Sie Platz auf dem \
    Laufwerk, und starten Sie das Installationsprogramm dann erneut."
LangString CopyFailedLeft ${L} "Eine Datei ließ sich nicht schreiben, deshalb wurde diese Version nicht \
    installiert, und $Stuck ließ sich nicht aufräumen. Starten Sie das Installationsprogramm erneut, um Facereel \
    zu reparieren."
LangString TempFailed ${L} "Das Deinstallationsprogramm konnte seine Kopie im Temp-Ordner nicht starten, deshalb \
    wurde nichts geändert. Schaffen Sie Platz auf dem Laufwerk, und versuchen Sie es dann erneut."
LangString InstallStopped ${L} "Facereel ist wie zuvor; die Details nennen den Grund."
LangString ScopeTitle ${L} "Installieren für"
LangString ScopeText ${L} "Wählen Sie, wer auf diesem Computer Facereel spielen kann."
LangString ScopeMe ${L} "Nur für &mich"
LangString ScopeMeText ${L} "In Ihrem eigenen Ordner (AppData\Local\Programs) und Ihrem Startmenü. Ohne \
    Administratorrechte; andere Benutzer dieses Computers sehen es nicht."
LangString ScopeAll ${L} "Für &alle Benutzer dieses Computers"
LangString ScopeAllText ${L} "In „Programme“ (Program Files) und im Startmenü jedes Benutzers. Windows fragt nach \
    der Erlaubnis eines Administrators."
LangString LicencesTitle ${L} "Lizenzen"
LangString LicencesText ${L} "Zu Ihrer Information: Facereel und die Teile, die es mitbringt, sind freie Software."
LangString LicencesBottom ${L} "Sie müssen hier nichts annehmen. Klicken Sie auf Weiter, um fortzufahren."
LangString UninstallCaption ${L} "Facereel entfernen"
LangString ConfirmUninstall ${L} "Facereel von diesem Computer entfernen?"
LangString Uninstalling ${L} "Entfernen"
LangString UninstallingText ${L} "Bitte warten Sie, während Facereel entfernt wird."
LangString Uninstalled ${L} "Facereel wurde entfernt"
LangString UninstallStopped ${L} "Facereel bleibt installiert"
LangString UninstallStoppedText ${L} "Es wurde nichts entfernt; die Details nennen den Grund."
!undef L
