<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Markers</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <extracomment>Why a marker file is not read; %1 is the largest size read, in megabytes.</extracomment>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <source>Line Markers could not be restored.</source>
        <translation>Die Zeilenmarken konnten nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Line Markers could not be restored.
%1</source>
        <extracomment>%1 is the marker file&apos;s path, a colon and why it could not be read.</extracomment>
        <translation>Die Zeilenmarken konnten nicht wiederhergestellt werden.
%1</translation>
    </message>
    <message>
        <source>Line Markers could not be saved.
%1: %2</source>
        <extracomment>%1 is the marker file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Die Zeilenmarken konnten nicht gespeichert werden.
%1: %2</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>TArray</name>
    <message>
        <source>Index out of range: %1</source>
        <translation>Index außerhalb des gültigen Bereichs: %1</translation>
    </message>
</context>
</TS>
