<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="tr_TR">
<context>
    <name>PasteCommand</name>
    <message numerus="yes">
        <location filename="../src/lesson/pastecommand.cpp" line="+22"/>
        <source>%n değer yapıştırma</source>
        <translation>
            <numerusform>%n değer yapıştırma</numerusform>
        </translation>
    </message>
</context>
</TS>
