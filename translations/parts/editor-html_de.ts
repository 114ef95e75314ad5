<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>TFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Nur &amp;ganzes Wort</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>THTMLToolbar</name>
    <message>
        <source>bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>underlined</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>Zeilenwechsel</translation>
    </message>
    <message>
        <source>preformatted text</source>
        <translation>Vorformatierter Text</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>html body</source>
        <translation>HTML-Grundgerüst</translation>
    </message>
    <message>
        <source>ordered list</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <source>unordered list</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>javascript</source>
        <translation>JavaScript</translation>
    </message>
    <message>
        <source>cascaded style sheet</source>
        <translation>Stylesheet (CSS)</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Sprungmarke</translation>
    </message>
    <message>
        <source>headings</source>
        <translation>Überschriften</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>Frameset</source>
        <translation>Frameset</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>paragraph</source>
        <translation>Absatz</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <source>metas</source>
        <translation>Meta-Angaben</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Reached end of file!</source>
        <translation>Das Ende der Datei ist erreicht!</translation>
    </message>
    <message>
        <source>%1 occurrence(s) replaced.</source>
        <extracomment>%1 is the number of replacements made</extracomment>
        <translation>%1 Vorkommen ersetzt.</translation>
    </message>
    <message>
        <source>Goto Line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Please insert the line number:</source>
        <translation>Bitte geben Sie die Zeilennummer ein:</translation>
    </message>
    <message>
        <source>Invalid number.</source>
        <translation>Ungültige Zahl.</translation>
    </message>
    <message>
        <source>Sure to loose all formattings?
No undo possible!</source>
        <translation>Wirklich alle Formatierungen verwerfen?
Dies kann nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <source>There is nothing to print!</source>
        <translation>Es gibt nichts zu drucken!</translation>
    </message>
    <message>
        <source>Filesize: %1 bytes</source>
        <extracomment>status bar; %1 is the size of the saved file in bytes</extracomment>
        <translation>Dateigröße: %1 Bytes</translation>
    </message>
    <message>
        <source>Line: %1  Col: %2</source>
        <extracomment>status bar; %1 is the caret&apos;s line, %2 its column</extracomment>
        <translation>Zeile: %1  Spalte: %2</translation>
    </message>
    <message>
        <source>%1 Line(s), %2 Character(s) in current selection.</source>
        <translation>%1 Zeile(n), %2 Zeichen in der aktuellen Markierung.</translation>
    </message>
    <message>
        <source>The preview could not be written.
%1</source>
        <extracomment>%1 is why the file could not be written</extracomment>
        <translation>Die Vorschau konnte nicht geschrieben werden.
%1</translation>
    </message>
    <message>
        <source>Location of TIDY.EXE is unknown.
Select directory?</source>
        <translation>Der Ort von TIDY.EXE ist unbekannt.
Ordner auswählen?</translation>
    </message>
    <message>
        <source>TIDY.EXE not found.
Search again?</source>
        <translation>TIDY.EXE wurde nicht gefunden.
Erneut suchen?</translation>
    </message>
    <message>
        <source>Output file &quot;%1&quot; cannot be created/accessed.
%1: %2</source>
        <extracomment>%1 is the output file, %2 why it failed</extracomment>
        <translation>Die Ausgabedatei „%1“ kann nicht angelegt oder geöffnet werden.
%1: %2</translation>
    </message>
    <message>
        <source>Nothing to tidy.</source>
        <translation>Es gibt nichts zu prüfen.</translation>
    </message>
    <message>
        <source>Current file cannot be accessed.</source>
        <translation>Auf die aktuelle Datei kann nicht zugegriffen werden.</translation>
    </message>
    <message>
        <source>Error file &quot;%1&quot; cannot be created/accessed.</source>
        <translation>Die Fehlerdatei „%1“ kann nicht angelegt oder geöffnet werden.</translation>
    </message>
    <message>
        <source>Unknown error occured trying to execute TIDY.EXE.</source>
        <translation>Beim Ausführen von TIDY.EXE ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Tidy Options</source>
        <translation>Tidy-Optionen</translation>
    </message>
    <message>
        <source>Please enter your preferred options (e.g. -ascii -asxml)</source>
        <translation>Bitte geben Sie die gewünschten Optionen ein (z. B. -ascii -asxml)</translation>
    </message>
</context>
<context>
    <name>TRichEdit</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. It has more than %2 lines.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. Sie hat mehr als %2 Zeilen.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 is the file, %2 why it cannot be opened</extracomment>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. It is larger than %2 MB.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. Sie ist größer als %2 MB.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <extracomment>%1 is the file, %2 why it cannot be read</extracomment>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Its text is longer than %2 characters.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. Ihr Text ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>%1: It holds characters that Windows-1252 cannot store.</source>
        <translation>%1: Die Datei enthält Zeichen, die Windows-1252 nicht speichern kann.</translation>
    </message>
</context>
<context>
    <name>TTidyErrors</name>
    <message>
        <source>Tidy: Errors</source>
        <translation>Tidy: Fehler</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Stopping Tidy ...</source>
        <translation>Tidy wird angehalten ...</translation>
    </message>
    <message>
        <source>Tidy is running ...</source>
        <translation>Tidy läuft ...</translation>
    </message>
</context>
<context>
    <name>TidyRules</name>
    <message>
        <source>Tidy did not end within %1 seconds and was stopped.</source>
        <extracomment>%1 is the time limit in seconds</extracomment>
        <translation>Tidy war nach %1 Sekunden nicht fertig und wurde angehalten.</translation>
    </message>
    <message>
        <source>Tidy was stopped before it ended.</source>
        <translation>Tidy wurde angehalten, bevor es fertig war.</translation>
    </message>
    <message>
        <source>The document was changed while Tidy ran: these messages are about the text before the change.</source>
        <translation>Das Dokument wurde geändert, während Tidy lief: Diese Meldungen beziehen sich auf den Text vor der Änderung.</translation>
    </message>
</context>
</TS>
