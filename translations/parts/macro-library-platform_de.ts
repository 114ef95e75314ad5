<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>BatchPrompts</name>
    <message>
        <source>needs the open dialog, which a run without a window cannot show</source>
        <translation>benötigt den Öffnen-Dialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <source>needs the save dialog, which a run without a window cannot show</source>
        <translation>benötigt den Speichern-Dialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <source>needs the folder chooser, which a run without a window cannot show</source>
        <translation>benötigt die Ordnerauswahl, die ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <source>needs the font dialog, which a run without a window cannot show</source>
        <translation>benötigt den Schriftart-Dialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <source>needs the colour dialog, which a run without a window cannot show</source>
        <translation>benötigt den Farbdialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <source>needs the print dialog, which a run without a window cannot show</source>
        <translation>benötigt den Druckdialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <source>needs the printer setup dialog, which a run without a window cannot show</source>
        <translation>benötigt den Dialog der Druckereinrichtung, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <source>"%1" %2</source>
        <extracomment>%1 is a macro command word in double quotes, %2 why a run without a window refuses it, starting with its verb ("needs the print dialog, ...").</extracomment>
        <translation>"%1" %2</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>no temporary folder: %1</source>
        <translation>kein temporärer Ordner: %1</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>File could not be opened</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the macro went on to another document (%1); nothing was saved</source>
        <translation>das Makro ist zu einem anderen Dokument gewechselt (%1); nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>the file was saved, but its line markers were not: %1</source>
        <translation>die Datei wurde gespeichert, ihre Zeilenmarken aber nicht: %1</translation>
    </message>
    <message>
        <source>the diff program did not run: %1</source>
        <translation>das Programm diff konnte nicht ausgeführt werden: %1</translation>
    </message>
    <message>
        <source>Macro not found!</source>
        <translation>Makro nicht gefunden!</translation>
    </message>
    <message>
        <source>the file was changed by another program while the macro ran; it was not saved</source>
        <translation>die Datei wurde während des Makrolaufs von einem anderen Programm geändert; sie wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>%1: changed</source>
        <translation>%1: geändert</translation>
    </message>
    <message>
        <source>%1: unchanged</source>
        <translation>%1: unverändert</translation>
    </message>
    <message>
        <source>%1: error in line %2: %3</source>
        <extracomment>%1 is the file, %2 the macro line, %3 why it failed.</extracomment>
        <translation>%1: Fehler in Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: error: %2</source>
        <translation>%1: Fehler: %2</translation>
    </message>
    <message>
        <source>%1; the file was skipped</source>
        <translation>%1; die Datei wurde übersprungen</translation>
    </message>
</context>
<context>
    <name>MacroCheck</name>
    <message>
        <source>unknown command %1; did you mean %2?</source>
        <translation>unbekannter Befehl %1; meinten Sie %2?</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>%1 replaces %2 by %3, but could also mean %4 by %5; write blanks inside the texts as \s</source>
        <translation>%1 ersetzt %2 durch %3, könnte aber auch %4 durch %5 bedeuten; schreiben Sie Leerzeichen innerhalb der Texte als \s</translation>
    </message>
    <message>
        <source>%1 needs a whole number</source>
        <translation>%1 benötigt eine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 needs a whole number, not %2</source>
        <translation>%1 benötigt eine ganze Zahl, nicht %2</translation>
    </message>
    <message>
        <source>%1 needs the find text, a blank and the replacement</source>
        <translation>%1 benötigt den Suchtext, ein Leerzeichen und den Ersatztext</translation>
    </message>
    <message>
        <source>%1 toggles: the argument %2 is ignored</source>
        <translation>%1 schaltet um: das Argument %2 wird ignoriert</translation>
    </message>
    <message>
        <source>%1 reads %2, which other users cannot read: a run asks first, and --run refuses it without --allow-paths</source>
        <translation>%1 liest %2, das andere Benutzer nicht lesen können: ein Lauf fragt zuerst nach, und --run verweigert es ohne --allow-paths</translation>
    </message>
    <message>
        <source>%1 writes into %2: a run asks first unless its document is there</source>
        <translation>%1 schreibt in %2: ein Lauf fragt zuerst nach, außer sein Dokument liegt dort</translation>
    </message>
    <message>
        <source>%1 is not run without a window</source>
        <translation>%1 wird ohne Fenster nicht ausgeführt</translation>
    </message>
    <message>
        <source>%1 with a file name is not run without a window</source>
        <translation>%1 mit einem Dateinamen wird ohne Fenster nicht ausgeführt</translation>
    </message>
    <message>
        <source>%1 before the end of the macro is not run without a window (each file is saved once its run is over)</source>
        <translation>%1 vor dem Ende des Makros wird ohne Fenster nicht ausgeführt (jede Datei wird gespeichert, sobald ihr Lauf beendet ist)</translation>
    </message>
    <message>
        <source>blank line</source>
        <translation>leere Zeile</translation>
    </message>
    <message>
        <source>%1:%2: error: %3</source>
        <extracomment>%1 is the macro file, %2 the line number, %3 what is wrong with the line.</extracomment>
        <translation>%1:%2: Fehler: %3</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3</source>
        <translation>%1:%2: Warnung: %3</translation>
    </message>
    <message>
        <source>%1 needs a rich-text document</source>
        <translation>%1 benötigt ein Rich-Text-Dokument</translation>
    </message>
    <message>
        <source>%1 needs a plain-text document</source>
        <translation>%1 benötigt ein Dokument mit reinem Text</translation>
    </message>
    <message>
        <source>%1 does not accept its argument once the placeholders are filled in</source>
        <translation>%1 akzeptiert sein Argument nicht, sobald die Platzhalter eingesetzt sind</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>MacroCommands</name>
    <message>
        <source>not allowed: %1</source>
        <translation>nicht erlaubt: %1</translation>
    </message>
</context>
<context>
    <name>MacroFile</name>
    <message>
        <source>Macro cannot be read: %1</source>
        <translation>Makro kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <translation>Datei "%1" kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>es ist größer als %1 MB</translation>
    </message>
    <message>
        <source>there is not enough memory to hold it</source>
        <translation>es ist nicht genug Speicher vorhanden, um es aufzunehmen</translation>
    </message>
</context>
<context>
    <name>MacroPaths</name>
    <message>
        <source>The macro wants to write %1.
Allow it?</source>
        <translation>Das Makro möchte %1 schreiben.
Erlauben?</translation>
    </message>
    <message>
        <source>The macro wants to read %1.
Allow it?</source>
        <translation>Das Makro möchte %1 lesen.
Erlauben?</translation>
    </message>
    <message>
        <source>writes %1, outside the folder of the document; --allow-paths allows it</source>
        <translation>schreibt %1, außerhalb des Ordners des Dokuments; --allow-paths erlaubt es</translation>
    </message>
    <message>
        <source>reads %1, which other users cannot read; --allow-paths allows it</source>
        <translation>liest %1, das andere Benutzer nicht lesen können; --allow-paths erlaubt es</translation>
    </message>
</context>
<context>
    <name>PrivateTemp</name>
    <message>
        <source>The temporary folder %1 cannot be used: %2</source>
        <translation>Der temporäre Ordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link.</source>
        <translation>er ist eine symbolische Verknüpfung.</translation>
    </message>
    <message>
        <source>it is not a folder.</source>
        <translation>er ist kein Ordner.</translation>
    </message>
    <message>
        <source>it belongs to another user.</source>
        <translation>er gehört einem anderen Benutzer.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
</context>
<context>
    <name>RegFileSettingsStore</name>
    <message>
        <source>the file holds a zero character</source>
        <translation>die Datei enthält ein Nullzeichen</translation>
    </message>
    <message>
        <source>the file holds an unpaired surrogate</source>
        <translation>die Datei enthält ein ungepaartes Surrogat</translation>
    </message>
    <message>
        <source>odd number of bytes in a UTF-16 file</source>
        <translation>ungerade Anzahl von Bytes in einer UTF-16-Datei</translation>
    </message>
    <message>
        <source>not valid UTF-16</source>
        <translation>kein gültiges UTF-16</translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation>kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>unknown escape in a quoted text</source>
        <translation>unbekannte Escape-Sequenz in einem Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>quoted text without closing quote</source>
        <translation>Text in Anführungszeichen ohne schließendes Anführungszeichen</translation>
    </message>
    <message>
        <source>key outside the known roots</source>
        <translation>Schlüssel außerhalb der bekannten Stammschlüssel</translation>
    </message>
    <message>
        <source>key path with an empty part</source>
        <translation>Schlüsselpfad mit einem leeren Teil</translation>
    </message>
    <message>
        <source>malformed hex data</source>
        <translation>fehlerhafte Hex-Daten</translation>
    </message>
    <message>
        <source>value name not followed by '='</source>
        <translation>auf den Wertnamen folgt kein '='</translation>
    </message>
    <message>
        <source>text after a quoted value</source>
        <translation>Text nach einem Wert in Anführungszeichen</translation>
    </message>
    <message>
        <source>malformed dword</source>
        <translation>fehlerhafter dword-Wert</translation>
    </message>
    <message>
        <source>continued line at the end of the file</source>
        <translation>fortgesetzte Zeile am Ende der Datei</translation>
    </message>
    <message>
        <source>value deletion in a saved hive</source>
        <translation>Löschen eines Werts in einer gespeicherten Struktur</translation>
    </message>
    <message>
        <source>unknown value type</source>
        <translation>unbekannter Werttyp</translation>
    </message>
    <message>
        <source>missing header line</source>
        <translation>Kopfzeile fehlt</translation>
    </message>
    <message>
        <source>key line without closing bracket</source>
        <translation>Schlüsselzeile ohne schließende Klammer</translation>
    </message>
    <message>
        <source>key deletion in a saved hive</source>
        <translation>Löschen eines Schlüssels in einer gespeicherten Struktur</translation>
    </message>
    <message>
        <source>value before the first key</source>
        <translation>Wert vor dem ersten Schlüssel</translation>
    </message>
    <message>
        <source>line is neither a key nor a value</source>
        <translation>Zeile ist weder ein Schlüssel noch ein Wert</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: it is not a regular file</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be parsed and could not be moved aside; the settings are not saved.</source>
        <translation>Die Einstellungsdatei %1 kann nicht ausgewertet werden und konnte nicht beiseitegelegt werden; die Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Cannot create the settings folder %1</source>
        <translation>Der Einstellungsordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No settings key is open</source>
        <translation>Kein Einstellungsschlüssel ist geöffnet</translation>
    </message>
    <message>
        <source>Settings value '%1' does not exist</source>
        <translation>Der Einstellungswert '%1' existiert nicht</translation>
    </message>
    <message>
        <source>Invalid data type for '%1'</source>
        <translation>Ungültiger Datentyp für '%1'</translation>
    </message>
    <message>
        <source>Failed to set data for '%1'</source>
        <translation>Die Daten für '%1' konnten nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>The write stopped partway</source>
        <translation>Das Schreiben brach mittendrin ab</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <translation>ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>File is not open</source>
        <translation>Die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>The file was replaced while it was being saved</source>
        <translation>Die Datei wurde ersetzt, während sie gespeichert wurde</translation>
    </message>
    <message>
        <source>%1. The new text is kept in %2</source>
        <extracomment>%1 is the system's reason, %2 the file now holding the new text.</extracomment>
        <translation>%1. Der neue Text wird in %2 aufbewahrt</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Macro not found!</source>
        <translation>Makro nicht gefunden!</translation>
    </message>
    <message>
        <source>Macro stopped in line %1.</source>
        <translation>Makro in Zeile %1 angehalten.</translation>
    </message>
    <message>
        <source>Error in line %1.
%2</source>
        <extracomment>%1 is the line number, %2 why the line failed.</extracomment>
        <translation>Fehler in Zeile %1.
%2</translation>
    </message>
    <message>
        <source>Overwrite "%1"?</source>
        <translation>"%1" überschreiben?</translation>
    </message>
    <message>
        <source>run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Unnamed Macro</source>
        <translation>Unbenanntes Makro</translation>
    </message>
    <message>
        <source>Macrofolder</source>
        <extracomment>The name of a new folder of macros, also on disk.</extracomment>
        <translation>Makroordner</translation>
    </message>
    <message>
        <source>Folder could not be created!</source>
        <translation>Der Ordner konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Macro could not be moved.</source>
        <translation>Das Makro konnte nicht verschoben werden.</translation>
    </message>
    <message>
        <source>Really delete this folder and all contained macros/folders?</source>
        <translation>Diesen Ordner und alle enthaltenen Makros/Ordner wirklich löschen?</translation>
    </message>
    <message>
        <source>Really delete this macro?</source>
        <translation>Dieses Makro wirklich löschen?</translation>
    </message>
    <message>
        <source>Macro/Folder could not be deleted.</source>
        <translation>Makro/Ordner konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Macro/Folder could not be deleted.
%1</source>
        <translation>Makro/Ordner konnte nicht gelöscht werden.
%1</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: kein Ordner</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>The trash is not available: no home folder is set</source>
        <translation>Der Papierkorb ist nicht verfügbar: es ist kein Benutzerordner festgelegt</translation>
    </message>
    <message>
        <source>The trash is not available: %1</source>
        <translation>Der Papierkorb ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>The trash is not available: %1: %2</source>
        <translation>Der Papierkorb ist nicht verfügbar: %1: %2</translation>
    </message>
    <message>
        <source>%1: the trash is on another file system</source>
        <translation>%1: der Papierkorb liegt auf einem anderen Dateisystem</translation>
    </message>
    <message>
        <source>the trash is full of entries named %1</source>
        <translation>der Papierkorb ist voll mit Einträgen namens %1</translation>
    </message>
</context>
</TS>
