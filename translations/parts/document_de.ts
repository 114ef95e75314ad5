<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
    <context>
        <name>DelayedProgress</name>
        <message>
            <source>Opening %1 ...</source>
            <translation>%1 wird geöffnet ...</translation>
        </message>
        <message>
            <source>Saving %1 ...</source>
            <translation>%1 wird gespeichert ...</translation>
        </message>
    </context>
    <context>
        <name>DocumentRules</name>
        <message>
            <source>Text Files (*.txt)</source>
            <translation>Textdateien (*.txt)</translation>
        </message>
        <message>
            <source>Rich Text Files (*.rtf)</source>
            <translation>RTF-Dateien (*.rtf)</translation>
        </message>
        <message>
            <source>HTML Files (*.html *.htm)</source>
            <translation>HTML-Dateien (*.html *.htm)</translation>
        </message>
        <message>
            <source>Source Code (*.bas *.pas *.java *.cpp *.c *.h *.frm *.cls *.vbs)</source>
            <translation>Quelltext (*.bas *.pas *.java *.cpp *.c *.h *.frm *.cls *.vbs)</translation>
        </message>
        <message>
            <source>Macros (*.macro)</source>
            <translation>Makros (*.macro)</translation>
        </message>
        <message>
            <source>Batch Files (*.bat *.cmd)</source>
            <translation>Stapeldateien (*.bat *.cmd)</translation>
        </message>
        <message>
            <source>All Files (*)</source>
            <translation>Alle Dateien (*)</translation>
        </message>
        <message>
            <source>%1 is not valid UTF-8; %2 bytes that are not are kept as they are.</source>
            <extracomment>%1 is the file, %2 a number of bytes</extracomment>
            <translation>%1 ist kein gültiges UTF-8; %2 ungültige Bytes bleiben unverändert erhalten.</translation>
        </message>
        <message>
            <source>%1 holds tables or pictures that this editor cannot keep; saving it will drop them.</source>
            <translation>%1 enthält Tabellen oder Bilder, die dieser Editor nicht erhalten kann; beim Speichern gehen sie verloren.</translation>
        </message>
        <message>
            <source>%1
holds tables or pictures that this editor cannot keep. Save it without them?</source>
            <translation>%1
enthält Tabellen oder Bilder, die dieser Editor nicht erhalten kann. Ohne sie speichern?</translation>
        </message>
        <message>
            <source>%1
holds characters that Windows-1252 cannot store. Save it as UTF-8?</source>
            <translation>%1
enthält Zeichen, die Windows-1252 nicht speichern kann. Als UTF-8 speichern?</translation>
        </message>
    </context>
    <context>
        <name>DocumentSession</name>
        <message>
            <source>Sure to delete it?</source>
            <translation>Wirklich löschen?</translation>
        </message>
        <message>
            <source>File is protected!
Sure to delete it?</source>
            <translation>Die Datei ist schreibgeschützt!
Wirklich löschen?</translation>
        </message>
        <message>
            <source>File could not be deleted!</source>
            <translation>Die Datei konnte nicht gelöscht werden!</translation>
        </message>
        <message>
            <source>Insert a link to this document?
"No" opens the document.</source>
            <translation>Einen Link auf dieses Dokument einfügen?
„Nein“ öffnet das Dokument.</translation>
        </message>
        <message>
            <source>Save changes?</source>
            <translation>Änderungen speichern?</translation>
        </message>
        <message>
            <source>File not found!</source>
            <translation>Datei nicht gefunden!</translation>
        </message>
        <message>
            <source>File could not be opened:
%1</source>
            <translation>Die Datei konnte nicht geöffnet werden:
%1</translation>
        </message>
        <message>
            <source>File is too large to open (more than %1 MB):
%2</source>
            <extracomment>%1 is the largest size in megabytes, %2 the file</extracomment>
            <translation>Die Datei ist zu groß zum Öffnen (mehr als %1 MB):
%2</translation>
        </message>
        <message>
            <source>Attr.: %1</source>
            <extracomment>%1 is the letters R, H, S or a blank each</extracomment>
            <translation>Attr.: %1</translation>
        </message>
        <message>
            <source>Reload file? All Changes will be lost!</source>
            <translation>Datei neu laden? Alle Änderungen gehen verloren!</translation>
        </message>
        <message>
            <source>File was deleted!</source>
            <translation>Die Datei wurde gelöscht!</translation>
        </message>
        <message>
            <source>File was altered! Reload it?</source>
            <translation>Die Datei wurde geändert! Neu laden?</translation>
        </message>
        <message>
            <source>File exists! Overwrite it?</source>
            <translation>Die Datei existiert bereits! Überschreiben?</translation>
        </message>
        <message>
            <source>File is protected!
Sure to overwrite it?</source>
            <translation>Die Datei ist schreibgeschützt!
Wirklich überschreiben?</translation>
        </message>
        <message>
            <source>File attributes could not be reset.</source>
            <translation>Die Dateiattribute konnten nicht zurückgesetzt werden.</translation>
        </message>
        <message>
            <source>File is plain text.
File extension will be changed!</source>
            <translation>Die Datei ist reiner Text.
Die Dateiendung wird geändert!</translation>
        </message>
        <message>
            <source>File could not be saved as TXT</source>
            <translation>Die Datei konnte nicht als TXT gespeichert werden</translation>
        </message>
        <message>
            <source>File is in rich text format.
File extension will be changed!</source>
            <translation>Die Datei ist im RTF-Format.
Die Dateiendung wird geändert!</translation>
        </message>
        <message>
            <source>File could not be saved as RTF</source>
            <translation>Die Datei konnte nicht als RTF gespeichert werden</translation>
        </message>
        <message>
            <source>File attributes could not be set.</source>
            <translation>Die Dateiattribute konnten nicht gesetzt werden.</translation>
        </message>
        <message>
            <source>File could not be saved.
%1</source>
            <extracomment>%1 is why the write failed</extracomment>
            <translation>Die Datei konnte nicht gespeichert werden.
%1</translation>
        </message>
    </context>
    <context>
        <name>FileStamp</name>
        <message>
            <source>%1
was changed by another program. Overwrite it?</source>
            <translation>%1
wurde von einem anderen Programm geändert. Überschreiben?</translation>
        </message>
    </context>
    <context>
        <name>QProgressDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>The file was changed by another program after they were kept.</source>
            <translation>Die Datei wurde nach dem Sichern der Änderungen von einem anderen Programm geändert.</translation>
        </message>
        <message>
            <source>unnamed</source>
            <translation>unbenannt</translation>
        </message>
        <message>
            <source>Unsaved changes were recovered:
%1
%2Restore them?</source>
            <extracomment>%1 is the document's file, %2 further lines (each ending in a line break) or nothing</extracomment>
            <translation>Nicht gespeicherte Änderungen wurden gefunden:
%1
%2Sollen sie wiederhergestellt werden?</translation>
        </message>
        <message>
            <source>A damaged recovery file was moved aside: %1</source>
            <translation>Eine beschädigte Wiederherstellungsdatei wurde beiseitegelegt: %1</translation>
        </message>
        <message>
            <source>Unsaved changes cannot be kept for recovery after a crash in
%1
%2</source>
            <extracomment>%1 is the folder, %2 why</extracomment>
            <translation>Nicht gespeicherte Änderungen können für die Wiederherstellung nach einem Absturz nicht gesichert werden in
%1
%2</translation>
        </message>
    </context>
</TS>
