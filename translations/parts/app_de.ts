<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>See &quot;vellumpad --help&quot;.</source>
        <translation>Siehe &quot;vellumpad --help&quot;.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Did you mean &quot;%1&quot;? %2</source>
        <extracomment>%1 is the option meant, %2 the line that points to the help.</extracomment>
        <translation>Meinten Sie &quot;%1&quot;? %2</translation>
    </message>
    <message>
        <source>See &quot;vellumpad --help&quot;; put &quot;--&quot; before a file name that starts with &quot;-&quot;.</source>
        <translation>Siehe &quot;vellumpad --help&quot;; setzen Sie &quot;--&quot; vor einen Dateinamen, der mit &quot;-&quot; beginnt.</translation>
    </message>
    <message>
        <source>&quot;--run&quot; and &quot;--check&quot; cannot be used together</source>
        <translation>&quot;--run&quot; und &quot;--check&quot; können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>&quot;--dry-run&quot; goes with &quot;--run&quot;</source>
        <translation>&quot;--dry-run&quot; gehört zu &quot;--run&quot;</translation>
    </message>
    <message>
        <source>&quot;--allow-paths&quot; goes with &quot;--run&quot;</source>
        <translation>&quot;--allow-paths&quot; gehört zu &quot;--run&quot;</translation>
    </message>
    <message>
        <source>&quot;--run&quot; needs a macro and at least one file</source>
        <translation>&quot;--run&quot; braucht ein Makro und mindestens eine Datei</translation>
    </message>
    <message>
        <source>Usage: vellumpad --run MACRO [--dry-run] [--allow-paths] FILE... %1</source>
        <extracomment>%1 is the line that points to the help.</extracomment>
        <translation>Aufruf: vellumpad --run MAKRO [--dry-run] [--allow-paths] DATEI... %1</translation>
    </message>
    <message>
        <source>&quot;--check&quot; needs at least one macro</source>
        <translation>&quot;--check&quot; braucht mindestens ein Makro</translation>
    </message>
    <message>
        <source>Usage: vellumpad --check MACRO... %1</source>
        <extracomment>%1 is the line that points to the help.</extracomment>
        <translation>Aufruf: vellumpad --check MAKRO... %1</translation>
    </message>
    <message>
        <source>Usage: vellumpad [--] [FILE NAME...]
       vellumpad --run MACRO [--dry-run] [--allow-paths] FILE...
       vellumpad --check MACRO...
       vellumpad --help | --version
</source>
        <extracomment>The forms of the command line; option names and &quot;vellumpad&quot; stay as they are.</extracomment>
        <translation>Aufruf: vellumpad [--] [DATEINAME...]
        vellumpad --run MAKRO [--dry-run] [--allow-paths] DATEI...
        vellumpad --check MAKRO...
        vellumpad --help | --version
</translation>
    </message>
    <message>
        <source>Mirel-Edit edits plain text, RTF and HTML documents and runs macros on them.
</source>
        <translation>Mirel-Edit bearbeitet Dokumente aus reinem Text, RTF und HTML und führt Makros
darauf aus.
</translation>
    </message>
    <message>
        <source>Without options the editor window opens. The arguments name one document:
they are joined with single blanks, so a name holding blanks may be given
without quotes.
</source>
        <translation>Ohne Optionen öffnet sich das Editorfenster. Die Argumente nennen ein
Dokument: Sie werden mit einzelnen Leerzeichen verbunden, sodass ein Name mit
Leerzeichen ohne Anführungszeichen angegeben werden kann.
</translation>
    </message>
    <message>
        <source>Options:
  --run MACRO FILE...  Run the macro, read once, on each file in turn, without
                       a window, and save each file that it changed. A file
                       whose run fails is left as it was. One line per file on
                       standard output: FILE: changed, FILE: unchanged or
                       FILE: error in line N: REASON; a name holding a control
                       character, &quot; or \ is quoted as &quot;a\nb.txt&quot;. Messages
                       go to standard error as FILE:LINE: TEXT; questions get
                       their safe answer (No, Cancel). A macro with exit,
                       deletefile, clearfile, savefile before its end, or a
                       line that needs a dialog (openfile without a path,
                       print, printersetup) runs on no file.
  --dry-run            With --run, before or after the macro: print a unified
                       diff of what would change and write no file.
  --allow-paths        With --run: let openfile read files that other users
                       cannot read. The window asks before such a read; with
                       nobody to ask, the line fails unless this is given.
  --check MACRO...     Run nothing; list each line that a run would reject, as
                       MACRO:LINE: error: MESSAGE, and arguments a run reads
                       differently than they look, as MACRO:LINE: warning: ...
                       Also warns of file lines that a run asks about first.
  --help               Show this help and exit.
  --version            Show the version and exit.
  --                   End of options: what follows is a name, even when it
                       starts with &quot;-&quot;. After --run and --check an option
                       word is an option wherever it stands, whatever files
                       exist: name a file &quot;--dry-run&quot; after &quot;--&quot; or as
                       &quot;./--dry-run&quot;.
</source>
        <extracomment>Option names stay as they are; the descriptions keep their column.</extracomment>
        <translation>Optionen:
  --run MAKRO DATEI...  Führt das Makro, einmal gelesen, nacheinander auf jeder
                       Datei aus, ohne Fenster, und speichert jede Datei, die
                       es geändert hat. Eine Datei, deren Lauf fehlschlägt,
                       bleibt, wie sie war. Eine Zeile je Datei auf der
                       Standardausgabe: DATEI: geändert, DATEI: unverändert
                       oder DATEI: Fehler in Zeile N: GRUND; ein Name mit
                       einem Steuerzeichen, &quot; oder \ wird in
                       Anführungszeichen gesetzt, etwa &quot;a\nb.txt&quot;. Meldungen
                       gehen als DATEI:ZEILE: TEXT auf die
                       Standardfehlerausgabe; Fragen erhalten ihre sichere
                       Antwort (Nein, Abbrechen). Ein Makro mit exit,
                       deletefile, clearfile, savefile vor seinem Ende oder
                       mit einer Zeile, die einen Dialog braucht (openfile
                       ohne Pfad, print, printersetup), läuft auf keiner
                       Datei.
  --dry-run            Mit --run, vor oder nach dem Makro: gibt einen Unified
                       Diff dessen aus, was sich ändern würde, und schreibt
                       keine Datei.
  --allow-paths        Mit --run: lässt openfile Dateien lesen, die andere
                       Benutzer nicht lesen können. Das Fenster fragt vor
                       einem solchen Lesen; ist niemand zu fragen, schlägt
                       die Zeile fehl, es sei denn, diese Option ist gegeben.
  --check MAKRO...     Führt nichts aus; listet jede Zeile, die ein Lauf
                       zurückweisen würde, als MAKRO:ZEILE: Fehler: MELDUNG,
                       und Argumente, die ein Lauf anders liest, als sie
                       aussehen, als MAKRO:ZEILE: Warnung: ...
                       Warnt auch vor Zeilen mit Dateien, bei denen ein Lauf
                       zuerst nachfragt.
  --help               Zeigt diese Hilfe und beendet das Programm.
  --version            Zeigt die Version und beendet das Programm.
  --                   Ende der Optionen: Was folgt, ist ein Name, auch wenn
                       es mit &quot;-&quot; beginnt. Nach --run und --check ist ein
                       Optionswort überall eine Option, welche Dateien es
                       auch gibt: Nennen Sie eine Datei &quot;--dry-run&quot; nach
                       &quot;--&quot; oder als &quot;./--dry-run&quot;.
</translation>
    </message>
    <message>
        <source>Exit status:
  0  success; --run: every file was run; --check: no line would fail
  1  --run: some file failed; --check: some line would fail
  2  wrong usage, or a macro that cannot be read (missing, unreadable, larger
     than 64 MB or than the memory there is)
</source>
        <translation>Exit-Status:
  0  Erfolg; --run: jede Datei wurde bearbeitet; --check: keine Zeile würde
     fehlschlagen
  1  --run: eine Datei schlug fehl; --check: eine Zeile würde fehlschlagen
  2  falscher Aufruf oder ein Makro, das sich nicht lesen lässt (fehlt, nicht
     lesbar, größer als 64 MB oder als der verfügbare Speicher)
</translation>
    </message>
</context>
<context>
    <name>CommandMap</name>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open ...</source>
        <translation>Ö&amp;ffnen ...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>S&amp;ave As ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>Save &amp;&amp; &amp;Quit</source>
        <translation>S&amp;peichern &amp;&amp; beenden</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Drucken ...</translation>
    </message>
    <message>
        <source>Pr&amp;inter Setup ...</source>
        <translation>Drucker&amp;einrichtung ...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Alles mark&amp;ieren</translation>
    </message>
    <message>
        <source>F&amp;ind</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Find ...</source>
        <translation>&amp;Suchen ...</translation>
    </message>
    <message>
        <source>Find A&amp;gain</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Replace ...</source>
        <translation>&amp;Ersetzen ...</translation>
    </message>
    <message>
        <source>&amp;Goto Line ...</source>
        <translation>&amp;Gehe zu Zeile ...</translation>
    </message>
    <message>
        <source>&amp;Toggle Line Marker</source>
        <translation>Zeilenmarke &amp;umschalten</translation>
    </message>
    <message>
        <source>&amp;Show Line Markers</source>
        <translation>Zeilenmarken &amp;anzeigen</translation>
    </message>
    <message>
        <source>HTM&amp;L</source>
        <translation>HTM&amp;L</translation>
    </message>
    <message>
        <source>&amp;Colour ...</source>
        <translation>&amp;Farbe ...</translation>
    </message>
    <message>
        <source>&amp;Replace special characters</source>
        <translation>&amp;Sonderzeichen ersetzen</translation>
    </message>
    <message>
        <source>Tool&amp;bar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Tidy &amp;Document ...</source>
        <translation>&amp;Dokument mit Tidy prüfen ...</translation>
    </message>
    <message>
        <source>Tidy &amp;Location ...</source>
        <translation>Tidy-&amp;Pfad ...</translation>
    </message>
    <message>
        <source>Tidy &amp;Options ...</source>
        <translation>Tidy-&amp;Optionen ...</translation>
    </message>
    <message>
        <source>&amp;Test Document ...</source>
        <translation>Dokument &amp;testen ...</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>A&amp;lways stay on top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;AutoTab</source>
        <translation>&amp;Automatisch einrücken</translation>
    </message>
    <message>
        <source>&amp;Center on Screen</source>
        <translation>In der &amp;Bildschirmmitte</translation>
    </message>
    <message>
        <source>&amp;Delete to Recycle Bin</source>
        <translation>In den &amp;Papierkorb löschen</translation>
    </message>
    <message>
        <source>Fi&amp;xed Font for Source Code</source>
        <translation>&amp;Feste Schriftbreite für Quelltext</translation>
    </message>
    <message>
        <source>&amp;Menu visible</source>
        <translation>&amp;Menü sichtbar</translation>
    </message>
    <message>
        <source>Remem&amp;ber Directories</source>
        <translation>&amp;Ordner merken</translation>
    </message>
    <message>
        <source>&amp;Remember Position</source>
        <translation>Fensterposition me&amp;rken</translation>
    </message>
    <message>
        <source>Toolbar &amp;visible</source>
        <translation>Werkzeugleiste s&amp;ichtbar</translation>
    </message>
    <message>
        <source>&amp;Font ...</source>
        <translation>&amp;Schriftart ...</translation>
    </message>
    <message>
        <source>Plain &amp;Text</source>
        <translation>Reiner &amp;Text</translation>
    </message>
    <message>
        <source>&amp;Wordwrap</source>
        <translation>Zeilen&amp;umbruch</translation>
    </message>
    <message>
        <source>Sav&amp;e Line Markers</source>
        <translation>Zeilenmarken sp&amp;eichern</translation>
    </message>
    <message>
        <source>&amp;Sort Macros</source>
        <translation>Ma&amp;kros sortieren</translation>
    </message>
    <message>
        <source>Line &amp;Numbers</source>
        <translation>Zeilen&amp;nummern</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Verk&amp;leinern</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>Syntax &amp;Colouring</source>
        <translation>Syntax&amp;hervorhebung</translation>
    </message>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Makro</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>R&amp;ecord</source>
        <translation>Auf&amp;zeichnen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>A&amp;nhalten</translation>
    </message>
    <message>
        <source>&amp;Macrobrowser ...</source>
        <translation>&amp;Makrobrowser ...</translation>
    </message>
    <message>
        <source>Ma&amp;cro Directory ...</source>
        <translation>Ma&amp;kroordner ...</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Neuer &amp;Ordner</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Open File ...</source>
        <translation>Datei ö&amp;ffnen ...</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>Datei &amp;speichern</translation>
    </message>
    <message>
        <source>Close F&amp;ile</source>
        <translation>Datei s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Delete File</source>
        <translation>Datei &amp;löschen</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>selected macro</source>
        <translation>Gewähltes Makro</translation>
    </message>
    <message>
        <source>macrobrowser</source>
        <translation>Makrobrowser</translation>
    </message>
    <message>
        <source>record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>size</source>
        <extracomment>The font size box.</extracomment>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>align left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>center</source>
        <extracomment>Centred paragraph alignment.</extracomment>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>align right</source>
        <translation>Rechtsbündig</translation>
    </message>
</context>
<context>
    <name>SettingsLoad</name>
    <message>
        <source>Cannot open the settings key %1.</source>
        <translation>Der Einstellungsschlüssel %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where in the settings file the fault lies: %1 the line number, %2 what is wrong there.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2).</source>
        <extracomment>%1 the file, %2 where and what the fault is.</extracomment>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>It could not be moved aside, so the default settings are used and will not be saved over it.</source>
        <translation>Sie konnte nicht beiseitegelegt werden; daher werden die Standardeinstellungen verwendet und nicht über sie gespeichert.</translation>
    </message>
    <message>
        <source>It was moved to %1 and the default settings are used.</source>
        <translation>Sie wurde nach %1 verschoben, und die Standardeinstellungen werden verwendet.</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <source>Setting &apos;%1&apos; given a value of the wrong type</source>
        <translation>Die Einstellung &apos;%1&apos; hat einen Wert des falschen Typs erhalten</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>text · rich text · HTML · macros</source>
        <extracomment>What the program edits and runs, under its name in the about box.</extracomment>
        <translation>Text · Rich Text · HTML · Makros</translation>
    </message>
    <message>
        <source>please mail any errors, suggestions
and wishes to %1</source>
        <extracomment>Shown on two lines, split at the line break; %1 is the mail address.</extracomment>
        <translation>Bitte senden Sie Fehler, Vorschläge
und Wünsche an %1</translation>
    </message>
    <message>
        <source>my homepage:</source>
        <translation>meine Homepage:</translation>
    </message>
    <message>
        <source>free software under the GNU GPL, version 3 or later</source>
        <translation>freie Software unter der GNU GPL, Version 3 oder später</translation>
    </message>
    <message>
        <source>v. %1</source>
        <extracomment>%1 is the version number, &quot;1.5.4&quot;.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>written by the Mirel-Edit team, 2026</source>
        <translation>geschrieben vom Mirel-Edit-Team, 2026</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Helpfile not found.</source>
        <translation>Die Hilfedatei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Macros</source>
        <extracomment>The top node of the macro tree.</extracomment>
        <translation>Makros</translation>
    </message>
    <message>
        <source>No handler %1.</source>
        <translation>Keine Behandlungsroutine %1.</translation>
    </message>
    <message>
        <source>insert</source>
        <extracomment>Typing mode in the status bar; the other one is &quot;overwrite&quot;.</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>%1

Close anyway? The recording will be lost.</source>
        <extracomment>%1 says why the recording could not be written.</extracomment>
        <translation>%1

Trotzdem schließen? Die Aufzeichnung geht verloren.</translation>
    </message>
    <message>
        <source>No value for the setting &apos;%1&apos;</source>
        <translation>Kein Wert für die Einstellung &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Unexpected error.</source>
        <translation>Unerwarteter Fehler.</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>filesize</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>current position</source>
        <extracomment>Of the caret: line and column.</extracomment>
        <translation>Aktuelle Position</translation>
    </message>
    <message>
        <source>last chosen color</source>
        <extracomment>The colour last chosen in the colour dialog.</extracomment>
        <translation>Zuletzt gewählte Farbe</translation>
    </message>
    <message>
        <source>last selected color</source>
        <extracomment>The colour whose six hexadecimal digits were last selected in the text.</extracomment>
        <translation>Zuletzt markierte Farbe</translation>
    </message>
    <message>
        <source>file attributes</source>
        <translation>Dateiattribute</translation>
    </message>
</context>
</TS>
