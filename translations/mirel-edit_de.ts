<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>BatchPrompts</name>
    <message>
        <location filename="../platform/BatchPrompts.cpp" line="+52"/>
        <source>needs the open dialog, which a run without a window cannot show</source>
        <translation>benötigt den Öffnen-Dialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>needs the save dialog, which a run without a window cannot show</source>
        <translation>benötigt den Speichern-Dialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>needs the folder chooser, which a run without a window cannot show</source>
        <translation>benötigt die Ordnerauswahl, die ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>needs the font dialog, which a run without a window cannot show</source>
        <translation>benötigt den Schriftart-Dialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>needs the colour dialog, which a run without a window cannot show</source>
        <translation>benötigt den Farbdialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>needs the print dialog, which a run without a window cannot show</source>
        <translation>benötigt den Druckdialog, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>needs the printer setup dialog, which a run without a window cannot show</source>
        <translation>benötigt den Dialog der Druckereinrichtung, den ein Lauf ohne Fenster nicht anzeigen kann</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&quot;%1&quot; %2</source>
        <extracomment>%1 is a macro command word in double quotes, %2 why a run without a window refuses it, starting with its verb (&quot;needs the print dialog, ...&quot;).</extracomment>
        <translation>&quot;%1&quot; %2</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <location filename="../macro/BatchRun.cpp" line="+51"/>
        <source>no temporary folder: %1</source>
        <translation>kein temporärer Ordner: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>File not found!</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>File could not be opened</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the macro went on to another document (%1); nothing was saved</source>
        <translation>das Makro ist zu einem anderen Dokument gewechselt (%1); nichts wurde gespeichert</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>File could not be saved.</source>
        <translation>Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file was saved, but its line markers were not: %1</source>
        <translation>die Datei wurde gespeichert, ihre Zeilenmarken aber nicht: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>the diff program did not run: %1</source>
        <translation>das Programm diff konnte nicht ausgeführt werden: %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Macro not found!</source>
        <translation>Makro nicht gefunden!</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the file was changed by another program while the macro ran; it was not saved</source>
        <translation>die Datei wurde während des Makrolaufs von einem anderen Programm geändert; sie wurde nicht gespeichert</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: changed</source>
        <translation>%1: geändert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: unchanged</source>
        <translation>%1: unverändert</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: error in line %2: %3</source>
        <extracomment>%1 is the file, %2 the macro line, %3 why it failed.</extracomment>
        <translation>%1: Fehler in Zeile %2: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: error: %2</source>
        <translation>%1: Fehler: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1; the file was skipped</source>
        <translation>%1; die Datei wurde übersprungen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+13"/>
        <source>See &quot;vellumpad --help&quot;.</source>
        <translation>Siehe &quot;vellumpad --help&quot;.</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Did you mean &quot;%1&quot;? %2</source>
        <extracomment>%1 is the option meant, %2 the line that points to the help.</extracomment>
        <translation>Meinten Sie &quot;%1&quot;? %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>See &quot;vellumpad --help&quot;; put &quot;--&quot; before a file name that starts with &quot;-&quot;.</source>
        <translation>Siehe &quot;vellumpad --help&quot;; setzen Sie &quot;--&quot; vor einen Dateinamen, der mit &quot;-&quot; beginnt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;--run&quot; and &quot;--check&quot; cannot be used together</source>
        <translation>&quot;--run&quot; und &quot;--check&quot; können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;--dry-run&quot; goes with &quot;--run&quot;</source>
        <translation>&quot;--dry-run&quot; gehört zu &quot;--run&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;--allow-paths&quot; goes with &quot;--run&quot;</source>
        <translation>&quot;--allow-paths&quot; gehört zu &quot;--run&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;--run&quot; needs a macro and at least one file</source>
        <translation>&quot;--run&quot; braucht ein Makro und mindestens eine Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usage: vellumpad --run MACRO [--dry-run] [--allow-paths] FILE... %1</source>
        <extracomment>%1 is the line that points to the help.</extracomment>
        <translation>Aufruf: vellumpad --run MAKRO [--dry-run] [--allow-paths] DATEI... %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;--check&quot; needs at least one macro</source>
        <translation>&quot;--check&quot; braucht mindestens ein Makro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usage: vellumpad --check MACRO... %1</source>
        <extracomment>%1 is the line that points to the help.</extracomment>
        <translation>Aufruf: vellumpad --check MAKRO... %1</translation>
    </message>
    <message>
        <location line="+20"/>
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
        <location line="+6"/>
        <source>Mirel-Edit edits plain text, RTF and HTML documents and runs macros on them.
</source>
        <translation>Mirel-Edit bearbeitet Dokumente aus reinem Text, RTF und HTML und führt Makros
darauf aus.
</translation>
    </message>
    <message>
        <location line="+3"/>
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
        <location line="+6"/>
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
        <location line="+30"/>
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
        <location filename="../app/CommandMap.cpp" line="+189"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>&amp;Open ...</source>
        <translation>Ö&amp;ffnen ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ave As ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;&amp; &amp;Quit</source>
        <translation>S&amp;peichern &amp;&amp; beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+91"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>&amp;Print ...</source>
        <translation>&amp;Drucken ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pr&amp;inter Setup ...</source>
        <translation>Drucker&amp;einrichtung ...</translation>
    </message>
    <message>
        <location line="+140"/>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location line="-136"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="-143"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Select All</source>
        <translation>Alles mark&amp;ieren</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>F&amp;ind</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location line="-136"/>
        <source>&amp;Find ...</source>
        <translation>&amp;Suchen ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find A&amp;gain</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Replace ...</source>
        <translation>&amp;Ersetzen ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Goto Line ...</source>
        <translation>&amp;Gehe zu Zeile ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Toggle Line Marker</source>
        <translation>Zeilenmarke &amp;umschalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Show Line Markers</source>
        <translation>Zeilenmarken &amp;anzeigen</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>HTM&amp;L</source>
        <translation>HTM&amp;L</translation>
    </message>
    <message>
        <location line="-128"/>
        <source>&amp;Colour ...</source>
        <translation>&amp;Farbe ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Replace special characters</source>
        <translation>&amp;Sonderzeichen ersetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tool&amp;bar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tidy &amp;Document ...</source>
        <translation>&amp;Dokument mit Tidy prüfen ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tidy &amp;Location ...</source>
        <translation>Tidy-&amp;Pfad ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tidy &amp;Options ...</source>
        <translation>Tidy-&amp;Optionen ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Test Document ...</source>
        <translation>Dokument &amp;testen ...</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Op&amp;tions</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location line="-116"/>
        <source>A&amp;lways stay on top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;AutoTab</source>
        <translation>&amp;Automatisch einrücken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Center on Screen</source>
        <translation>In der &amp;Bildschirmmitte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete to Recycle Bin</source>
        <translation>In den &amp;Papierkorb löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fi&amp;xed Font for Source Code</source>
        <translation>&amp;Feste Schriftbreite für Quelltext</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Menu visible</source>
        <translation>&amp;Menü sichtbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remem&amp;ber Directories</source>
        <translation>&amp;Ordner merken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Remember Position</source>
        <translation>Fensterposition me&amp;rken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar &amp;visible</source>
        <translation>Werkzeugleiste s&amp;ichtbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Font ...</source>
        <translation>&amp;Schriftart ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plain &amp;Text</source>
        <translation>Reiner &amp;Text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Wordwrap</source>
        <translation>Zeilen&amp;umbruch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sav&amp;e Line Markers</source>
        <translation>Zeilenmarken sp&amp;eichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sort Macros</source>
        <translation>Ma&amp;kros sortieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line &amp;Numbers</source>
        <translation>Zeilen&amp;nummern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Verk&amp;leinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Zoom zurücksetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Syntax &amp;Colouring</source>
        <translation>Syntax&amp;hervorhebung</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>&amp;Macro</source>
        <translation>&amp;Makro</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>&amp;Run</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;ecord</source>
        <translation>Auf&amp;zeichnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop</source>
        <translation>A&amp;nhalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Macrobrowser ...</source>
        <translation>&amp;Makrobrowser ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ma&amp;cro Directory ...</source>
        <translation>Ma&amp;kroordner ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Folder</source>
        <translation>Neuer &amp;Ordner</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location line="-81"/>
        <source>Cop&amp;y</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>&amp;Open File ...</source>
        <translation>Datei ö&amp;ffnen ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save File</source>
        <translation>Datei &amp;speichern</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close F&amp;ile</source>
        <translation>Datei s&amp;chließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete File</source>
        <translation>Datei &amp;löschen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Find &amp;Again</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <location line="+177"/>
        <source>open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../app/MainForm.cpp" line="+305"/>
        <source>selected macro</source>
        <translation>Gewähltes Makro</translation>
    </message>
    <message>
        <location filename="../app/CommandMap.h" line="+102"/>
        <source>macrobrowser</source>
        <translation>Makrobrowser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <location filename="../app/MainForm.cpp" line="+8"/>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>size</source>
        <extracomment>The font size box.</extracomment>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>align left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>center</source>
        <extracomment>Centred paragraph alignment.</extracomment>
        <translation>Zentriert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>align right</source>
        <translation>Rechtsbündig</translation>
    </message>
</context>
<context>
    <name>DelayedProgress</name>
    <message>
        <location filename="../document/Progress.cpp" line="+82"/>
        <source>Opening %1 ...</source>
        <translation>%1 wird geöffnet ...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Saving %1 ...</source>
        <translation>%1 wird gespeichert ...</translation>
    </message>
</context>
<context>
    <name>DocumentRules</name>
    <message>
        <location filename="../document/DocumentRules.cpp" line="+12"/>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rich Text Files (*.rtf)</source>
        <translation>RTF-Dateien (*.rtf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HTML Files (*.html *.htm)</source>
        <translation>HTML-Dateien (*.html *.htm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Source Code (*.bas *.pas *.java *.cpp *.c *.h *.frm *.cls *.vbs)</source>
        <translation>Quelltext (*.bas *.pas *.java *.cpp *.c *.h *.frm *.cls *.vbs)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Macros (*.macro)</source>
        <translation>Makros (*.macro)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Batch Files (*.bat *.cmd)</source>
        <translation>Stapeldateien (*.bat *.cmd)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>%1 is not valid UTF-8; %2 bytes that are not are kept as they are.</source>
        <extracomment>%1 is the file, %2 a number of bytes</extracomment>
        <translation>%1 ist kein gültiges UTF-8; %2 ungültige Bytes bleiben unverändert erhalten.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 holds tables or pictures that this editor cannot keep; saving it will drop them.</source>
        <translation>%1 enthält Tabellen oder Bilder, die dieser Editor nicht erhalten kann; beim Speichern gehen sie verloren.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1
holds tables or pictures that this editor cannot keep. Save it without them?</source>
        <translation>%1
enthält Tabellen oder Bilder, die dieser Editor nicht erhalten kann. Ohne sie speichern?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1
holds characters that Windows-1252 cannot store. Save it as UTF-8?</source>
        <translation>%1
enthält Zeichen, die Windows-1252 nicht speichern kann. Als UTF-8 speichern?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <location filename="../document/CloseDelete.cpp" line="+64"/>
        <source>Sure to delete it?</source>
        <translation>Wirklich löschen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File is protected!
Sure to delete it?</source>
        <translation>Die Datei ist schreibgeschützt!
Wirklich löschen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File could not be deleted!</source>
        <translation>Die Datei konnte nicht gelöscht werden!</translation>
    </message>
    <message>
        <location filename="../document/DropHandling.cpp" line="+22"/>
        <source>Insert a link to this document?
&quot;No&quot; opens the document.</source>
        <translation>Einen Link auf dieses Dokument einfügen?
„Nein“ öffnet das Dokument.</translation>
    </message>
    <message>
        <location filename="../document/Open.cpp" line="+21"/>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>File not found!</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>File could not be opened:
%1</source>
        <translation>Die Datei konnte nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File is too large to open (more than %1 MB):
%2</source>
        <extracomment>%1 is the largest size in megabytes, %2 the file</extracomment>
        <translation>Die Datei ist zu groß zum Öffnen (mehr als %1 MB):
%2</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Attr.: %1</source>
        <extracomment>%1 is the letters R, H, S or a blank each</extracomment>
        <translation>Attr.: %1</translation>
    </message>
    <message>
        <location filename="../document/Reload.cpp" line="+12"/>
        <source>Reload file? All Changes will be lost!</source>
        <translation>Datei neu laden? Alle Änderungen gehen verloren!</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>File was deleted!</source>
        <translation>Die Datei wurde gelöscht!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File was altered! Reload it?</source>
        <translation>Die Datei wurde geändert! Neu laden?</translation>
    </message>
    <message>
        <location filename="../document/Save.cpp" line="+81"/>
        <source>File exists! Overwrite it?</source>
        <translation>Die Datei existiert bereits! Überschreiben?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File is protected!
Sure to overwrite it?</source>
        <translation>Die Datei ist schreibgeschützt!
Wirklich überschreiben?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>File attributes could not be reset.</source>
        <translation>Die Dateiattribute konnten nicht zurückgesetzt werden.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>File is plain text.
File extension will be changed!</source>
        <translation>Die Datei ist reiner Text.
Die Dateiendung wird geändert!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File could not be saved as TXT</source>
        <translation>Die Datei konnte nicht als TXT gespeichert werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File is in rich text format.
File extension will be changed!</source>
        <translation>Die Datei ist im RTF-Format.
Die Dateiendung wird geändert!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File could not be saved as RTF</source>
        <translation>Die Datei konnte nicht als RTF gespeichert werden</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>File attributes could not be set.</source>
        <translation>Die Dateiattribute konnten nicht gesetzt werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>File could not be saved.
%1</source>
        <extracomment>%1 is why the write failed</extracomment>
        <translation>Die Datei konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <location filename="../document/DocumentKind.cpp" line="+26"/>
        <source>Sure to loose all formattings?
No undo possible!</source>
        <translation>Wirklich alle Formatierungen verwerfen?
Dies kann nicht rückgängig gemacht werden!</translation>
    </message>
</context>
<context>
    <name>FileStamp</name>
    <message>
        <location filename="../document/FileStamp.cpp" line="+38"/>
        <source>%1
was changed by another program. Overwrite it?</source>
        <translation>%1
wurde von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
</context>
<context>
    <name>HtmlPreview</name>
    <message>
        <location filename="../html/PreviewColour.cpp" line="+69"/>
        <source>The preview could not be written.
%1</source>
        <extracomment>%1 is why the file could not be written</extracomment>
        <translation>Die Vorschau konnte nicht geschrieben werden.
%1</translation>
    </message>
</context>
<context>
    <name>MacroCheck</name>
    <message>
        <location filename="../macro/MacroCheck.cpp" line="+53"/>
        <source>unknown command %1; did you mean %2?</source>
        <translation>unbekannter Befehl %1; meinten Sie %2?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 replaces %2 by %3, but could also mean %4 by %5; write blanks inside the texts as \s</source>
        <translation>%1 ersetzt %2 durch %3, könnte aber auch %4 durch %5 bedeuten; schreiben Sie Leerzeichen innerhalb der Texte als \s</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 needs a whole number</source>
        <translation>%1 benötigt eine ganze Zahl</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 needs a whole number, not %2</source>
        <translation>%1 benötigt eine ganze Zahl, nicht %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 needs the find text, a blank and the replacement</source>
        <translation>%1 benötigt den Suchtext, ein Leerzeichen und den Ersatztext</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 toggles: the argument %2 is ignored</source>
        <translation>%1 schaltet um: das Argument %2 wird ignoriert</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>%1 reads %2, which other users cannot read: a run asks first, and --run refuses it without --allow-paths</source>
        <translation>%1 liest %2, das andere Benutzer nicht lesen können: ein Lauf fragt zuerst nach, und --run verweigert es ohne --allow-paths</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 writes into %2: a run asks first unless its document is there</source>
        <translation>%1 schreibt in %2: ein Lauf fragt zuerst nach, außer sein Dokument liegt dort</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1 is not run without a window</source>
        <translation>%1 wird ohne Fenster nicht ausgeführt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with a file name is not run without a window</source>
        <translation>%1 mit einem Dateinamen wird ohne Fenster nicht ausgeführt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 before the end of the macro is not run without a window (each file is saved once its run is over)</source>
        <translation>%1 vor dem Ende des Makros wird ohne Fenster nicht ausgeführt (jede Datei wird gespeichert, sobald ihr Lauf beendet ist)</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+28"/>
        <source>blank line</source>
        <translation>leere Zeile</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>%1:%2: error: %3</source>
        <extracomment>%1 is the macro file, %2 the line number, %3 what is wrong with the line.</extracomment>
        <translation>%1:%2: Fehler: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1:%2: warning: %3</source>
        <translation>%1:%2: Warnung: %3</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 needs a rich-text document</source>
        <translation>%1 benötigt ein Rich-Text-Dokument</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 needs a plain-text document</source>
        <translation>%1 benötigt ein Dokument mit reinem Text</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 does not accept its argument once the placeholders are filled in</source>
        <translation>%1 akzeptiert sein Argument nicht, sobald die Platzhalter eingesetzt sind</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 failed</source>
        <translation>%1 ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>MacroCommands</name>
    <message>
        <location filename="../macro/MacroCommands.cpp" line="+49"/>
        <source>not allowed: %1</source>
        <translation>nicht erlaubt: %1</translation>
    </message>
</context>
<context>
    <name>MacroFile</name>
    <message>
        <location filename="../macro/MacroFile.cpp" line="+16"/>
        <source>Macro cannot be read: %1</source>
        <translation>Makro kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Datei &quot;%1&quot; kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is larger than %1 MB</source>
        <translation>es ist größer als %1 MB</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>there is not enough memory to hold it</source>
        <translation>es ist nicht genug Speicher vorhanden, um es aufzunehmen</translation>
    </message>
</context>
<context>
    <name>MacroLibrary</name>
    <message>
        <location filename="../library/Library.cpp" line="+252"/>
        <source>Macrofolder</source>
        <extracomment>The name of a new folder of macros, also on disk.</extracomment>
        <translation>Makroordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder could not be created!</source>
        <translation>Der Ordner konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Macro could not be moved.</source>
        <translation>Das Makro konnte nicht verschoben werden.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Really delete this folder and all contained macros/folders?</source>
        <translation>Diesen Ordner und alle enthaltenen Makros/Ordner wirklich löschen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Really delete this macro?</source>
        <translation>Dieses Makro wirklich löschen?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Macro/Folder could not be deleted.</source>
        <translation>Makro/Ordner konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro/Folder could not be deleted.
%1</source>
        <translation>Makro/Ordner konnte nicht gelöscht werden.
%1</translation>
    </message>
</context>
<context>
    <name>MacroPaths</name>
    <message>
        <location filename="../macro/MacroPaths.cpp" line="+151"/>
        <source>The macro wants to write %1.
Allow it?</source>
        <translation>Das Makro möchte %1 schreiben.
Erlauben?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The macro wants to read %1.
Allow it?</source>
        <translation>Das Makro möchte %1 lesen.
Erlauben?</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>writes %1, outside the folder of the document; --allow-paths allows it</source>
        <translation>schreibt %1, außerhalb des Ordners des Dokuments; --allow-paths erlaubt es</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>reads %1, which other users cannot read; --allow-paths allows it</source>
        <translation>liest %1, das andere Benutzer nicht lesen können; --allow-paths erlaubt es</translation>
    </message>
</context>
<context>
    <name>MacroRun</name>
    <message>
        <location filename="../macro/MacroRun.cpp" line="+231"/>
        <source>Macro not found!</source>
        <translation>Makro nicht gefunden!</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Macro stopped in line %1.</source>
        <translation>Makro in Zeile %1 angehalten.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Error in line %1.
%2</source>
        <extracomment>%1 is the line number, %2 why the line failed.</extracomment>
        <translation>Fehler in Zeile %1.
%2</translation>
    </message>
</context>
<context>
    <name>Markers</name>
    <message>
        <location filename="../markers/Markers.cpp" line="+80"/>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>larger than %1 MB</source>
        <extracomment>Why a marker file is not read; %1 is the largest size read, in megabytes.</extracomment>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Line Markers could not be restored.</source>
        <translation>Die Zeilenmarken konnten nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line Markers could not be restored.
%1</source>
        <extracomment>%1 is the marker file&apos;s path, a colon and why it could not be read.</extracomment>
        <translation>Die Zeilenmarken konnten nicht wiederhergestellt werden.
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Line Markers could not be saved.
%1: %2</source>
        <extracomment>%1 is the marker file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Die Zeilenmarken konnten nicht gespeichert werden.
%1: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file is write-protected</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>PrivateTemp</name>
    <message>
        <location filename="../platform/PrivateTemp.cpp" line="+26"/>
        <source>The temporary folder %1 cannot be used: %2</source>
        <translation>Der temporäre Ordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>it is a symbolic link.</source>
        <translation>er ist eine symbolische Verknüpfung.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder.</source>
        <translation>er ist kein Ordner.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to another user.</source>
        <translation>er gehört einem anderen Benutzer.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../platform/QtPrompts.cpp" line="+27"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Select a directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <location filename="../document/Progress.cpp" line="-38"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <location filename="../document/RecoveryWindow.cpp" line="+86"/>
        <source>The file was changed by another program after they were kept.</source>
        <translation>Die Datei wurde nach dem Sichern der Änderungen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unnamed</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unsaved changes were recovered:
%1
%2Restore them?</source>
        <extracomment>%1 is the document&apos;s file, %2 further lines (each ending in a line break) or nothing</extracomment>
        <translation>Nicht gespeicherte Änderungen wurden gefunden:
%1
%2Sollen sie wiederhergestellt werden?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A damaged recovery file was moved aside: %1</source>
        <translation>Eine beschädigte Wiederherstellungsdatei wurde beiseitegelegt: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsaved changes cannot be kept for recovery after a crash in
%1
%2</source>
        <extracomment>%1 is the folder, %2 why</extracomment>
        <translation>Nicht gespeicherte Änderungen können für die Wiederherstellung nach einem Absturz nicht gesichert werden in
%1
%2</translation>
    </message>
</context>
<context>
    <name>RegFileSettingsStore</name>
    <message>
        <location filename="../platform/RegFileSettingsStore.cpp" line="+69"/>
        <source>the file holds a zero character</source>
        <translation>die Datei enthält ein Nullzeichen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the file holds an unpaired surrogate</source>
        <translation>die Datei enthält ein ungepaartes Surrogat</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>odd number of bytes in a UTF-16 file</source>
        <translation>ungerade Anzahl von Bytes in einer UTF-16-Datei</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not valid UTF-16</source>
        <translation>kein gültiges UTF-16</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not valid UTF-8</source>
        <translation>kein gültiges UTF-8</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>unknown escape in a quoted text</source>
        <translation>unbekannte Escape-Sequenz in einem Text in Anführungszeichen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>quoted text without closing quote</source>
        <translation>Text in Anführungszeichen ohne schließendes Anführungszeichen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>key outside the known roots</source>
        <translation>Schlüssel außerhalb der bekannten Stammschlüssel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>key path with an empty part</source>
        <translation>Schlüsselpfad mit einem leeren Teil</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>malformed hex data</source>
        <translation>fehlerhafte Hex-Daten</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>value name not followed by &apos;=&apos;</source>
        <translation>auf den Wertnamen folgt kein &apos;=&apos;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>text after a quoted value</source>
        <translation>Text nach einem Wert in Anführungszeichen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>malformed dword</source>
        <translation>fehlerhafter dword-Wert</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>continued line at the end of the file</source>
        <translation>fortgesetzte Zeile am Ende der Datei</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>value deletion in a saved hive</source>
        <translation>Löschen eines Werts in einer gespeicherten Struktur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown value type</source>
        <translation>unbekannter Werttyp</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>missing header line</source>
        <translation>Kopfzeile fehlt</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>key line without closing bracket</source>
        <translation>Schlüsselzeile ohne schließende Klammer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>key deletion in a saved hive</source>
        <translation>Löschen eines Schlüssels in einer gespeicherten Struktur</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>value before the first key</source>
        <translation>Wert vor dem ersten Schlüssel</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>line is neither a key nor a value</source>
        <translation>Zeile ist weder ein Schlüssel noch ein Wert</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Cannot read the settings file %1: it is not a regular file</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Cannot read the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The settings file %1 cannot be parsed and could not be moved aside; the settings are not saved.</source>
        <translation>Die Einstellungsdatei %1 kann nicht ausgewertet werden und konnte nicht beiseitegelegt werden; die Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create the settings folder %1</source>
        <translation>Der Einstellungsordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot write the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+74"/>
        <location line="+45"/>
        <source>No settings key is open</source>
        <translation>Kein Einstellungsschlüssel ist geöffnet</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Settings value &apos;%1&apos; does not exist</source>
        <translation>Der Einstellungswert &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Die Daten für &apos;%1&apos; konnten nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../platform/SafeFile.cpp" line="+203"/>
        <location line="+3"/>
        <source>The write stopped partway</source>
        <translation>Das Schreiben brach mittendrin ab</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+20"/>
        <location line="+57"/>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>is a symbolic link</source>
        <translation>ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>belongs to another user</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <source>File is not open</source>
        <translation>Die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>The file was replaced while it was being saved</source>
        <translation>Die Datei wurde ersetzt, während sie gespeichert wurde</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1. The new text is kept in %2</source>
        <extracomment>%1 is the system&apos;s reason, %2 the file now holding the new text.</extracomment>
        <translation>%1. Der neue Text wird in %2 aufbewahrt</translation>
    </message>
</context>
<context>
    <name>SearchSession</name>
    <message>
        <location filename="../editor/FindReplace.cpp" line="+97"/>
        <source>Reached end of file!</source>
        <translation>Das Ende der Datei ist erreicht!</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 occurrence(s) replaced.</source>
        <extracomment>%1 is the number of replacements made</extracomment>
        <translation>%1 Vorkommen ersetzt.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Goto Line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please insert the line number:</source>
        <translation>Bitte geben Sie die Zeilennummer ein:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid number.</source>
        <translation>Ungültige Zahl.</translation>
    </message>
</context>
<context>
    <name>SelectionTracking</name>
    <message>
        <location filename="../editor/SelectionTracking.cpp" line="+23"/>
        <source>Filesize: %1 bytes</source>
        <extracomment>status bar; %1 is the size of the saved file in bytes</extracomment>
        <translation>Dateigröße: %1 Bytes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Line: %1  Col: %2</source>
        <extracomment>status bar; %1 is the caret&apos;s line, %2 its column</extracomment>
        <translation>Zeile: %1  Spalte: %2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 Line(s), %2 Character(s) in current selection.</source>
        <translation>%1 Zeile(n), %2 Zeichen in der aktuellen Markierung.</translation>
    </message>
</context>
<context>
    <name>SettingsLoad</name>
    <message>
        <location filename="../app/SettingsLoad.cpp" line="+15"/>
        <source>Cannot open the settings key %1.</source>
        <translation>Der Einstellungsschlüssel %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>line %1: %2</source>
        <extracomment>Where in the settings file the fault lies: %1 the line number, %2 what is wrong there.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings file %1 cannot be read (%2).</source>
        <extracomment>%1 the file, %2 where and what the fault is.</extracomment>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It could not be moved aside, so the default settings are used and will not be saved over it.</source>
        <translation>Sie konnte nicht beiseitegelegt werden; daher werden die Standardeinstellungen verwendet und nicht über sie gespeichert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It was moved to %1 and the default settings are used.</source>
        <translation>Sie wurde nach %1 verschoben, und die Standardeinstellungen werden verwendet.</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <location filename="../app/SettingsTable.cpp" line="+282"/>
        <source>Setting &apos;%1&apos; given a value of the wrong type</source>
        <translation>Die Einstellung &apos;%1&apos; hat einen Wert des falschen Typs erhalten</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <location filename="../app/AboutBox.cpp" line="+62"/>
        <source>text · rich text · HTML · macros</source>
        <extracomment>What the program edits and runs, under its name in the about box.</extracomment>
        <translation>Text · Rich Text · HTML · Makros</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>please mail any errors, suggestions
and wishes to %1</source>
        <extracomment>Shown on two lines, split at the line break; %1 is the mail address.</extracomment>
        <translation>Bitte senden Sie Fehler, Vorschläge
und Wünsche an %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>my homepage:</source>
        <translation>meine Homepage:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>free software under the GNU GPL, version 3 or later</source>
        <translation>freie Software unter der GNU GPL, Version 3 oder später</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>v. %1</source>
        <extracomment>%1 is the version number, &quot;1.5.4&quot;.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>written by the Mirel-Edit team, 2026</source>
        <translation>geschrieben vom Mirel-Edit-Team, 2026</translation>
    </message>
</context>
<context>
    <name>TArray</name>
    <message>
        <location filename="../markers/Arrays.cpp" line="+8"/>
        <source>Index out of range: %1</source>
        <translation>Index außerhalb des gültigen Bereichs: %1</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <location filename="../editor/SearchDialogs.cpp" line="+33"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Re&amp;place with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Match &amp;whole word only</source>
        <translation>Nur &amp;ganzes Wort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Match &amp;case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>THTMLToolbar</name>
    <message>
        <location filename="../html/HtmlToolbar.cpp" line="+45"/>
        <source>bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underlined</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line break</source>
        <translation>Zeilenwechsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preformatted text</source>
        <translation>Vorformatierter Text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link</source>
        <translation>Link</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>html body</source>
        <translation>HTML-Grundgerüst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ordered list</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unordered list</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>javascript</source>
        <translation>JavaScript</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cascaded style sheet</source>
        <translation>Stylesheet (CSS)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>name</source>
        <translation>Sprungmarke</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>headings</source>
        <translation>Überschriften</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>frames</source>
        <translation>Frames</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frameset</source>
        <translation>Frameset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>paragraph</source>
        <translation>Absatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Justify</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>metas</source>
        <translation>Meta-Angaben</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../app/AboutHelp.cpp" line="+111"/>
        <source>Helpfile not found.</source>
        <translation>Die Hilfedatei wurde nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../app/MainForm.cpp" line="-239"/>
        <source>Macros</source>
        <extracomment>The top node of the macro tree.</extracomment>
        <translation>Makros</translation>
    </message>
    <message>
        <location filename="../app/MacroCommands.cpp" line="+92"/>
        <location filename="../app/MainForm.cpp" line="+442"/>
        <source>insert</source>
        <extracomment>Typing mode in the status bar; the other one is &quot;overwrite&quot;.</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../app/MainForm.cpp" line="+70"/>
        <source>%1

Close anyway? The recording will be lost.</source>
        <extracomment>%1 says why the recording could not be written.</extracomment>
        <translation>%1

Trotzdem schließen? Die Aufzeichnung geht verloren.</translation>
    </message>
    <message>
        <location filename="../app/SettingsApply.cpp" line="+194"/>
        <source>No value for the setting &apos;%1&apos;</source>
        <translation>Kein Wert für die Einstellung &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../app/MainForm.h" line="+417"/>
        <source>Unexpected error.</source>
        <translation>Unerwarteter Fehler.</translation>
    </message>
    <message>
        <location filename="../app/EditorCommands.cpp" line="+105"/>
        <source>There is nothing to print!</source>
        <translation>Es gibt nichts zu drucken!</translation>
    </message>
    <message>
        <location filename="../app/MacroCommands.cpp" line="-1"/>
        <source>overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <location filename="../library/Library.cpp" line="-275"/>
        <source>Overwrite &quot;%1&quot;?</source>
        <translation>&quot;%1&quot; überschreiben?</translation>
    </message>
    <message>
        <location filename="../app/RunStop.cpp" line="+30"/>
        <source>run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Unnamed Macro</source>
        <translation>Unbenanntes Makro</translation>
    </message>
</context>
<context>
    <name>TRichEdit</name>
    <message>
        <location filename="../editor/RichEdit.cpp" line="+1561"/>
        <source>Cannot open file &quot;%1&quot;. It has more than %2 lines.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. Sie hat mehr als %2 Zeilen.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 is the file, %2 why it cannot be opened</extracomment>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open file &quot;%1&quot;. It is larger than %2 MB.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. Sie ist größer als %2 MB.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <extracomment>%1 is the file, %2 why it cannot be read</extracomment>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot open file &quot;%1&quot;. Its text is longer than %2 characters.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. Ihr Text ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1: It holds characters that Windows-1252 cannot store.</source>
        <translation>%1: Die Datei enthält Zeichen, die Windows-1252 nicht speichern kann.</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <location filename="../app/StatusBar.cpp" line="+34"/>
        <source>filesize</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>current position</source>
        <extracomment>Of the caret: line and column.</extracomment>
        <translation>Aktuelle Position</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>last chosen color</source>
        <extracomment>The colour last chosen in the colour dialog.</extracomment>
        <translation>Zuletzt gewählte Farbe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>last selected color</source>
        <extracomment>The colour whose six hexadecimal digits were last selected in the text.</extracomment>
        <translation>Zuletzt markierte Farbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>file attributes</source>
        <translation>Dateiattribute</translation>
    </message>
</context>
<context>
    <name>TTidyErrors</name>
    <message>
        <location filename="../html/TidyErrors.cpp" line="+41"/>
        <source>Tidy: Errors</source>
        <translation>Tidy: Fehler</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Stopping Tidy ...</source>
        <translation>Tidy wird angehalten ...</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Tidy is running ...</source>
        <translation>Tidy läuft ...</translation>
    </message>
</context>
<context>
    <name>TidyCheck</name>
    <message>
        <location filename="../html/TidyCheck.cpp" line="+89"/>
        <source>Location of TIDY.EXE is unknown.
Select directory?</source>
        <translation>Der Ort von TIDY.EXE ist unbekannt.
Ordner auswählen?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TIDY.EXE not found.
Search again?</source>
        <translation>TIDY.EXE wurde nicht gefunden.
Erneut suchen?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Output file &quot;%1&quot; cannot be created/accessed.
%1: %2</source>
        <extracomment>%1 is the output file, %2 why it failed</extracomment>
        <translation>Die Ausgabedatei „%1“ kann nicht angelegt oder geöffnet werden.
%1: %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Nothing to tidy.</source>
        <translation>Es gibt nichts zu prüfen.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Current file cannot be accessed.</source>
        <translation>Auf die aktuelle Datei kann nicht zugegriffen werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error file &quot;%1&quot; cannot be created/accessed.</source>
        <translation>Die Fehlerdatei „%1“ kann nicht angelegt oder geöffnet werden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Unknown error occured trying to execute TIDY.EXE.</source>
        <translation>Beim Ausführen von TIDY.EXE ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Tidy Options</source>
        <translation>Tidy-Optionen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please enter your preferred options (e.g. -ascii -asxml)</source>
        <translation>Bitte geben Sie die gewünschten Optionen ein (z. B. -ascii -asxml)</translation>
    </message>
</context>
<context>
    <name>TidyRules</name>
    <message>
        <location filename="../html/TidyRules.cpp" line="+154"/>
        <source>Tidy did not end within %1 seconds and was stopped.</source>
        <extracomment>%1 is the time limit in seconds</extracomment>
        <translation>Tidy war nach %1 Sekunden nicht fertig und wurde angehalten.</translation>
    </message>
    <message>
        <location filename="../html/TidyRules.h" line="+72"/>
        <source>Tidy was stopped before it ended.</source>
        <translation>Tidy wurde angehalten, bevor es fertig war.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The document was changed while Tidy ran: these messages are about the text before the change.</source>
        <translation>Das Dokument wurde geändert, während Tidy lief: Diese Meldungen beziehen sich auf den Text vor der Änderung.</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <location filename="../platform/Trash.cpp" line="+39"/>
        <location line="+6"/>
        <source>%1: not a folder</source>
        <translation>%1: kein Ordner</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1: no such file or folder</source>
        <translation>%1: Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The trash is not available: no home folder is set</source>
        <translation>Der Papierkorb ist nicht verfügbar: es ist kein Benutzerordner festgelegt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The trash is not available: %1</source>
        <translation>Der Papierkorb ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+8"/>
        <source>The trash is not available: %1: %2</source>
        <translation>Der Papierkorb ist nicht verfügbar: %1: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: the trash is on another file system</source>
        <translation>%1: der Papierkorb liegt auf einem anderen Dateisystem</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the trash is full of entries named %1</source>
        <translation>der Papierkorb ist voll mit Einträgen namens %1</translation>
    </message>
</context>
</TS>
