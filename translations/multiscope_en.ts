<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>scope::Screen</name>
    <message numerus="yes">
        <source>... (%n more line(s): fewer measurements show them)</source>
        <translation>
            <numerusform>... (%n more line: fewer measurements show it)</numerusform>
            <numerusform>... (%n more lines: fewer measurements show them)</numerusform>
        </translation>
    </message>
</context>
</TS>
